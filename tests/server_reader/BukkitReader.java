// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Reads config files the way a Bukkit, Spigot or Paper server loads a plugin's YamlConfiguration,
// so that the tests can check what the server makes of the files Veltrane writes.
//
// Each line on stdin is one request, "<charset name>\t<file path>". The answer on stdout starts
// with "loaded", "rejected\t<message>" (the server refuses the file) or "failed\t<message>"
// (the request could not be carried out), then a loaded file has one line per entry, in the
// order of the keys, and the answer ends with a line "end". An entry's line is
//   <path>\t<type>\t<value>
// where the path joins section keys with "." and list indexes as "[i]"; sections, lists and maps
// inside lists have their number of entries as the value. Paths, values and messages escape
// backslash, LF, CR and tab as "\\" "\n" "\r" "\t", and every other invisible UTF-16 unit as a
// backslash, "u" and four hex digits.

import java.io.BufferedReader;
import java.io.BufferedWriter;
import java.io.ByteArrayInputStream;
import java.io.FileDescriptor;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStreamWriter;
import java.io.Writer;
import java.math.BigInteger;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.time.format.DateTimeFormatter;
import java.util.Date;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import org.yaml.snakeyaml.DumperOptions;
import org.yaml.snakeyaml.LoaderOptions;
import org.yaml.snakeyaml.Yaml;
import org.yaml.snakeyaml.constructor.SafeConstructor;
import org.yaml.snakeyaml.error.YAMLException;
import org.yaml.snakeyaml.nodes.MappingNode;
import org.yaml.snakeyaml.nodes.Node;
import org.yaml.snakeyaml.nodes.NodeTuple;
import org.yaml.snakeyaml.reader.ReaderException;
import org.yaml.snakeyaml.reader.UnicodeReader;
import org.yaml.snakeyaml.representer.Representer;

public final class BukkitReader {
    public static void main(String[] args) throws IOException {
        BufferedReader requests =
                new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        Writer out = new BufferedWriter(new OutputStreamWriter(
                new FileOutputStream(FileDescriptor.out), StandardCharsets.UTF_8));
        String request;
        while ((request = requests.readLine()) != null) {
            answer(request, out);
            out.write("end\n");
            out.flush();
        }
    }

    private static void answer(String request, Writer out) throws IOException {
        int tab = request.indexOf('\t');
        if (tab < 0) {
            out.write("failed\t" + escape("not \"<charset>\\t<path>\": " + request) + "\n");
            return;
        }
        String text;
        try {
            text = readLines(request.substring(tab + 1), Charset.forName(request.substring(0, tab)));
        } catch (IOException | IllegalArgumentException e) {
            out.write("failed\t" + escape(e.toString()) + "\n");
            return;
        }
        Section root = new Section();
        try {
            load(text, root);
        } catch (ReaderException e) {
            // Only its toString() tells the character and where it is.
            out.write("rejected\t" + escape(e.toString()) + "\n");
            return;
        } catch (YAMLException e) {
            out.write("rejected\t" + escape(e.getMessage()) + "\n");
            return;
        } catch (RuntimeException e) {
            // Thrown past the server's catch of YAML errors, which fails the load all the same.
            out.write("rejected\t" + escape(e.toString()) + "\n");
            return;
        }
        StringBuilder lines = new StringBuilder("loaded\n");
        writeSection(root, "", lines);
        out.write(lines.toString());
    }

    // The server reads the file through a decoder that replaces undecodable bytes, one line at a
    // time, so that CR LF, LF and a lone CR all end a line, and puts the lines together with LF.
    private static String readLines(String path, Charset charset) throws IOException {
        StringBuilder text = new StringBuilder();
        try (BufferedReader in = new BufferedReader(
                     new InputStreamReader(new FileInputStream(path), charset))) {
            String line;
            while ((line = in.readLine()) != null)
                text.append(line).append('\n');
        }
        return text.toString();
    }

    // The text goes back to UTF-8 bytes and through SnakeYAML's UnicodeReader (which drops a
    // byte order mark); the node tree is then turned into sections, and only the values that
    // are not sections are constructed as Java objects.
    private static void load(String text, Section root) {
        LoaderOptions loaderOptions = new LoaderOptions();
        loaderOptions.setMaxAliasesForCollections(Integer.MAX_VALUE);
        loaderOptions.setProcessComments(true);
        DumperOptions dumperOptions = new DumperOptions();
        dumperOptions.setIndent(2);
        dumperOptions.setDefaultFlowStyle(DumperOptions.FlowStyle.BLOCK);
        ServerConstructor constructor = new ServerConstructor(loaderOptions);
        Yaml yaml = new Yaml(constructor, new Representer(dumperOptions), dumperOptions,
                loaderOptions);
        Node node = yaml.compose(new UnicodeReader(
                new ByteArrayInputStream(text.getBytes(StandardCharsets.UTF_8))));
        if (node == null)
            return;
        if (!(node instanceof MappingNode))
            throw new YAMLException("Top level is not a Map.");
        fillSection((MappingNode) node, root, constructor);
    }

    private static void fillSection(MappingNode node, Section section,
            ServerConstructor constructor) {
        constructor.flatten(node);
        for (NodeTuple tuple : node.getValue()) {
            String key = String.valueOf(constructor.construct(tuple.getKeyNode()));
            Node value = tuple.getValueNode();
            if (value instanceof MappingNode)
                fillSection((MappingNode) value, section.createSection(key), constructor);
            else
                section.set(key, constructor.construct(value));
        }
    }

    private static final class ServerConstructor extends SafeConstructor {
        ServerConstructor(LoaderOptions options) {
            super(options);
        }

        Object construct(Node node) {
            return constructObject(node);
        }

        // Resolves merge keys ("<<: *base") into the mapping itself.
        void flatten(MappingNode node) {
            flattenMapping(node);
        }
    }

    // A configuration section: its keys keep their first position when a later duplicate
    // replaces the value, a key with a "." in it names a nested section, and a null value
    // removes the key instead of storing it.
    private static final class Section {
        final Map<String, Object> entries = new LinkedHashMap<>();

        Section createSection(String path) {
            int dot = path.indexOf('.');
            if (dot < 0) {
                Section created = new Section();
                entries.put(path, created);
                return created;
            }
            return child(path.substring(0, dot)).createSection(path.substring(dot + 1));
        }

        void set(String path, Object value) {
            int dot = path.indexOf('.');
            if (dot < 0) {
                if (value == null)
                    entries.remove(path);
                else
                    entries.put(path, value);
                return;
            }
            String key = path.substring(0, dot);
            if (value == null && !(entries.get(key) instanceof Section))
                return;
            child(key).set(path.substring(dot + 1), value);
        }

        private Section child(String key) {
            Object existing = entries.get(key);
            if (existing instanceof Section)
                return (Section) existing;
            Section created = new Section();
            entries.put(key, created);
            return created;
        }
    }

    private static void writeSection(Section section, String prefix, StringBuilder lines) {
        for (Map.Entry<String, Object> entry : section.entries.entrySet()) {
            String path = prefix.isEmpty() ? entry.getKey() : prefix + "." + entry.getKey();
            if (entry.getValue() instanceof Section) {
                Section child = (Section) entry.getValue();
                line(lines, path, "section", Integer.toString(child.entries.size()));
                writeSection(child, path, lines);
            } else {
                writeValue(entry.getValue(), path, lines);
            }
        }
    }

    private static void writeValue(Object value, String path, StringBuilder lines) {
        if (value instanceof List) {
            List<?> list = (List<?>) value;
            line(lines, path, "list", Integer.toString(list.size()));
            for (int i = 0; i < list.size(); ++i)
                writeValue(list.get(i), path + "[" + i + "]", lines);
        } else if (value instanceof Map) {
            Map<?, ?> map = (Map<?, ?>) value;
            line(lines, path, "map-in-list", Integer.toString(map.size()));
            for (Map.Entry<?, ?> entry : map.entrySet())
                writeValue(entry.getValue(), path + "." + entry.getKey(), lines);
        } else if (value == null) {
            line(lines, path, "null", "");
        } else if (value instanceof String) {
            line(lines, path, "string", (String) value);
        } else if (value instanceof Boolean) {
            line(lines, path, "bool", value.toString());
        } else if (value instanceof Integer) {
            line(lines, path, "int", value.toString());
        } else if (value instanceof Long) {
            line(lines, path, "long", value.toString());
        } else if (value instanceof BigInteger) {
            line(lines, path, "bigint", value.toString());
        } else if (value instanceof Double) {
            line(lines, path, "double", value.toString());
        } else if (value instanceof Date) {
            line(lines, path, "date",
                    DateTimeFormatter.ISO_INSTANT.format(((Date) value).toInstant()));
        } else {
            line(lines, path, value.getClass().getName(), String.valueOf(value));
        }
    }

    private static void line(StringBuilder lines, String path, String type, String value) {
        lines.append(escape(path)).append('\t').append(type).append('\t').append(escape(value))
                .append('\n');
    }

    private static String escape(String text) {
        StringBuilder escaped = new StringBuilder(text.length());
        text.codePoints().forEach(c -> {
            switch (c) {
            case '\\' -> escaped.append("\\\\");
            case '\n' -> escaped.append("\\n");
            case '\r' -> escaped.append("\\r");
            case '\t' -> escaped.append("\\t");
            default -> {
                if (visible(c)) {
                    escaped.appendCodePoint(c);
                } else {
                    for (char unit : Character.toChars(c))
                        escaped.append(String.format("\\u%04X", (int) unit));
                }
            }
            }
        });
        return escaped.toString();
    }

    // A lone surrogate comes here as a code point of its own and is escaped like the controls.
    private static boolean visible(int c) {
        return switch (Character.getType(c)) {
        case Character.CONTROL, Character.FORMAT, Character.SURROGATE, Character.LINE_SEPARATOR,
                Character.PARAGRAPH_SEPARATOR, Character.UNASSIGNED, Character.PRIVATE_USE ->
            false;
        default -> true;
        };
    }
}
