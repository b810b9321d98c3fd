// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/server_reader.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace testsupport {

namespace {

// Set by tests/server_reader/CMakeLists.txt; empty when the build found no Java or SnakeYAML.
constexpr const char *javaPath = VELTRANE_JAVA;
constexpr const char *snakeYamlJar = VELTRANE_SNAKEYAML_JAR;
constexpr const char *readerClasses = VELTRANE_SERVER_READER_CLASSES;

std::runtime_error systemError(const std::string &what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

void appendUtf8(std::string &out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::uint32_t hexUnit(std::string_view text, std::size_t at) {
    if (at + 4 > text.size())
        throw std::runtime_error("cut \\u escape in the reader's answer");
    return static_cast<std::uint32_t>(std::stoul(std::string(text.substr(at, 4)), nullptr, 16));
}

// Undoes BukkitReader's escapes. A surrogate pair becomes its code point; a lone surrogate
// (a Java string can hold one) keeps the three bytes of its code unit.
std::string unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char kind = text[++i];
        if (kind == 'n') {
            out += '\n';
        } else if (kind == 'r') {
            out += '\r';
        } else if (kind == 't') {
            out += '\t';
        } else if (kind == 'u') {
            std::uint32_t unit = hexUnit(text, i + 1);
            i += 4;
            if (unit >= 0xD800 && unit < 0xDC00 && text.substr(i + 1, 2) == "\\u") {
                const std::uint32_t low = hexUnit(text, i + 3);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 6;
                }
            }
            appendUtf8(out, unit);
        } else {
            out += kind;
        }
    }
    return out;
}

std::string escapeForDump(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

// One Java process kept for the whole test process: starting the JVM costs far more than
// reading a file.
class ReaderProcess {
  public:
    ReaderProcess() = default;
    ReaderProcess(const ReaderProcess &) = delete;
    ReaderProcess &operator=(const ReaderProcess &) = delete;
    ~ReaderProcess() {
        stop();
        if (!filePath_.empty())
            ::unlink(filePath_.c_str());
    }

    std::vector<std::string> read(std::string_view fileBytes, const char *charset) {
        std::lock_guard lock(mutex_);
        if (pid_ <= 0)
            start();
        writeFile(fileBytes);
        const std::string request = std::string(charset) + '\t' + filePath_ + '\n';
        writeAll(request);
        std::vector<std::string> lines;
        for (std::string line = readLine(); line != "end"; line = readLine())
            lines.push_back(std::move(line));
        return lines;
    }

  private:
    void start() {
        if (const std::string missing = serverReaderMissing(); !missing.empty())
            throw std::runtime_error(missing);
        // A reader that dies would otherwise end the test process with SIGPIPE on the next
        // request instead of failing that one test with a message.
        std::signal(SIGPIPE, SIG_IGN);
        int toChild[2];
        int fromChild[2];
        if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0)
            throw systemError("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
        const std::string classPath = std::string(snakeYamlJar) + ':' + readerClasses;
        // The serial collector and the first JIT tier keep a short-lived JVM small and quick.
        std::vector<std::string> args = {javaPath, "-XX:+UseSerialGC", "-XX:TieredStopAtLevel=1",
                                         "-cp",    classPath,          "BukkitReader"};
        std::vector<char *> argv;
        for (std::string &arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const int spawned = posix_spawn(&pid_, javaPath, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(toChild[0]);
        ::close(fromChild[1]);
        if (spawned != 0) {
            ::close(toChild[1]);
            ::close(fromChild[0]);
            pid_ = -1;
            errno = spawned;
            throw systemError(std::string("cannot start ") + javaPath);
        }
        requests_ = toChild[1];
        answers_ = fromChild[0];
        buffered_.clear();
        if (filePath_.empty()) {
            std::string pattern = (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
            pattern += "/veltrane-server-reader-XXXXXX";
            const int fd = ::mkstemp(pattern.data());
            if (fd < 0)
                throw systemError("mkstemp");
            ::close(fd);
            filePath_ = pattern;
        }
    }

    void stop() {
        if (pid_ <= 0)
            return;
        ::close(requests_); // the reader ends when its input ends
        ::close(answers_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

    void writeFile(std::string_view bytes) {
        std::ofstream file(filePath_, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush())
            throw std::runtime_error("cannot write " + filePath_);
    }

    void writeAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(requests_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0) {
                stop();
                throw systemError("the server reader takes no more requests");
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    std::string readLine() {
        for (;;) {
            if (const auto end = buffered_.find('\n'); end != std::string::npos) {
                std::string line = buffered_.substr(0, end);
                buffered_.erase(0, end + 1);
                return line;
            }
            char chunk[65536];
            const ssize_t got = ::read(answers_, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                stop();
                throw std::runtime_error("the server reader stopped; its messages are above");
            }
            buffered_.append(chunk, static_cast<std::size_t>(got));
        }
    }

    std::mutex mutex_;
    pid_t pid_ = -1;
    int requests_ = -1;
    int answers_ = -1;
    std::string buffered_;
    std::string filePath_;
};

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

const ServerLeaf *ServerTree::find(std::string_view path) const {
    for (const ServerLeaf &leaf : leaves)
        if (leaf.path == path)
            return &leaf;
    return nullptr;
}

std::string ServerTree::dump() const {
    if (!loaded())
        return "rejected: " + escapeForDump(error) + '\n';
    std::string out;
    for (const ServerLeaf &leaf : leaves)
        out +=
            escapeForDump(leaf.path) + '\t' + leaf.type + '\t' + escapeForDump(leaf.value) + '\n';
    return out;
}

ServerTree readAsServer(std::string_view fileBytes, ServerCharset charset) {
    static ReaderProcess reader;
    const std::vector<std::string> lines =
        reader.read(fileBytes, charset == ServerCharset::Gbk ? "GBK" : "UTF-8");
    if (lines.empty())
        throw std::runtime_error("empty answer from the server reader");
    const auto status = splitTabs(lines.front());
    ServerTree tree;
    if (status[0] == "rejected" && status.size() == 2) {
        tree.error = unescape(status[1]);
        return tree;
    }
    if (status[0] != "loaded")
        throw std::runtime_error("the server reader could not read the file: " + lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto fields = splitTabs(lines[i]);
        if (fields.size() != 3)
            throw std::runtime_error("unexpected line from the server reader: " + lines[i]);
        tree.leaves.push_back({unescape(fields[0]), std::string(fields[1]), unescape(fields[2])});
    }
    return tree;
}

std::string serverReaderMissing() {
    if (*javaPath == '\0')
        return "no java found when the build was configured (package default-jre-headless)";
    if (*snakeYamlJar == '\0')
        return "no snakeyaml.jar found when the build was configured (package "
               "libyaml-snake-java)";
    if (::access(javaPath, X_OK) != 0)
        return std::string("cannot run ") + javaPath;
    if (::access(snakeYamlJar, R_OK) != 0)
        return std::string("cannot read ") + snakeYamlJar;
    const std::string classFile = std::string(readerClasses) + "/BukkitReader.class";
    if (::access(classFile.c_str(), R_OK) != 0)
        return "cannot read " + classFile + " (it is built with the tests)";
    return {};
}

} // namespace testsupport
