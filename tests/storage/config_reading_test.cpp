// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/config_reading.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "support/fixtures.h"

namespace {

using storage::FileEncoding;

TEST(ConfigReading, TellsTheEncodingAndLineEndsAndWritesTheSameBytesBack) {
    struct Case {
        std::string_view what;
        QByteArray bytes;
        FileEncoding encoding;
        core::LineEnd lineEnd;
        std::string_view holds;
    };
    const Case cases[] = {
        {"UTF-8, LF", QByteArray::fromStdString(testsupport::fixtureBytes("several_mobs.yml")),
         FileEncoding::Utf8, core::LineEnd::Lf, "SkeletalKnight:\n"},
        {"UTF-8 with BOM, CR LF", "\xEF\xBB\xBF怪:\r\n  Display: 名\r\n", FileEncoding::Utf8WithBom,
         core::LineEnd::CrLf, "怪:\r\n  Display: 名\r\n"},
        {"GBK, CR LF", QByteArray::fromStdString(testsupport::fixtureBytes("gbk_mob.yml")),
         FileEncoding::Gbk, core::LineEnd::CrLf, "僵尸王:\r\n  Type: ZOMBIE\r\n"},
    };
    for (const Case &c : cases) {
        const storage::ConfigFileText file = storage::decodeConfigBytes(c.bytes);
        EXPECT_EQ(file.encoding, c.encoding) << c.what;
        EXPECT_EQ(file.lineEnd, c.lineEnd) << c.what;
        EXPECT_NE(file.text.find(c.holds), std::string::npos) << c.what << '\n' << file.text;
        const auto bytes = storage::encodeConfigFileText(file.text, file.encoding, {});
        ASSERT_TRUE(std::holds_alternative<QByteArray>(bytes)) << c.what;
        EXPECT_EQ(std::get<QByteArray>(bytes), c.bytes) << c.what;
    }
}

TEST(ConfigReading, AGbkFileRefusesACharacterGbkLacksAndStaysAsItWas) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gbk_mob.yml"));
    const QByteArray original = QByteArray::fromStdString(testsupport::fixtureBytes("gbk_mob.yml"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    const auto read = storage::readConfigFile(path);
    ASSERT_TRUE(std::holds_alternative<storage::ConfigFileText>(read));
    const storage::ConfigFileText &file = std::get<storage::ConfigFileText>(read);
    const std::string display = "&2僵尸之王😀";
    const auto refusal = storage::writeConfigFile(path, file.text + "  X: '" + display + "'\r\n",
                                                  file.encoding, {{"怪物名称", display}});
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->kind, storage::SaveRefusal::Kind::UnencodableCharacter);
    EXPECT_TRUE(refusal->text.contains(QStringLiteral("怪物名称"))) << refusal->text.toStdString();
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), original);

    EXPECT_FALSE(storage::writeConfigFile(path, file.text + "  X: 1\r\n", file.encoding, {}));
    const auto written = storage::readConfigFile(path);
    EXPECT_EQ(std::get<storage::ConfigFileText>(written).text, file.text + "  X: 1\r\n");
    EXPECT_EQ(std::get<storage::ConfigFileText>(written).encoding, FileEncoding::Gbk);
}

TEST(ConfigReading, AMissingFileIsAReasonNotACrash) {
    const auto read = storage::readConfigFile(QStringLiteral("/nonexistent/veltrane.yml"));
    ASSERT_TRUE(std::holds_alternative<QString>(read));
    EXPECT_TRUE(std::get<QString>(read).contains(QStringLiteral("无法打开文件")));
}

} // namespace
