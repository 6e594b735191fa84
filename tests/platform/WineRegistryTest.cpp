#include "core/platform/WineRegistry.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString rebecca = u"Software\\RIMArts\\Rebecca"_qs;
const QString samples = u"Software\\FormatSamples"_qs;

// A prefix folder whose user.reg is a copy of a file under tests/data/wine.
class PrefixWith {
public:
    explicit PrefixWith(const QString &sample)
    {
        QFile source(testData(u"wine/"_qs + sample));
        if (!source.open(QIODevice::ReadOnly))
            ADD_FAILURE() << "missing fixture " << sample.toStdString();
        dir.writeBytes(u"user.reg"_qs, source.readAll());
    }
    TestFolder dir;
    WineRegistry registry{dir.path()};
};

// A prefix whose user.reg holds the given text (written as UTF-8).
class PrefixHolding {
public:
    explicit PrefixHolding(const QString &text) { dir.writeBytes(u"user.reg"_qs, text.toUtf8()); }
    TestFolder dir;
    WineRegistry registry{dir.path()};
};

QString hexOf(const std::optional<QByteArray> &bytes)
{
    return bytes ? QString::fromLatin1(bytes->toHex(' ')) : u"(missing)"_qs;
}

TEST(WineRegistry, ReadsBeckySettingsAndAccounts)
{
    PrefixWith prefix(u"user.reg"_qs);
    const WineRegistry &reg = prefix.registry;
    EXPECT_EQ(reg.readString(rebecca + u"\\Settings"_qs, u"HomeDir"_qs),
              u"C:\\Program Files\\RimArts\\B2\\"_qs);
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\0"_qs, u"Account"_qs), u"プロバイダ"_qs);
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\0"_qs, u"Address"_qs), u"hanako@isp.example.jp"_qs);
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\1"_qs, u"Account"_qs), u"keitai"_qs);
    // There is no Users\2: the account list has its gap there.
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\2"_qs, u"Account"_qs), QString());
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\3"_qs, u"Account"_qs), u"after-gap"_qs);
    // Names match without regard to case.
    EXPECT_EQ(reg.readString(u"software\\rimarts\\REBECCA\\users\\1"_qs, u"ACCOUNT"_qs), u"keitai"_qs);
    // MailDirNo: REG_BINARY 02, REG_DWORD 7, REG_BINARY 09 00.
    EXPECT_EQ(hexOf(reg.readValue(rebecca + u"\\Users\\0"_qs, u"MailDirNo"_qs)), u"02"_qs);
    EXPECT_EQ(hexOf(reg.readValue(rebecca + u"\\Users\\1"_qs, u"MailDirNo"_qs)), u"07 00 00 00"_qs);
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\1"_qs, u"MailDirNo"_qs), u"\x07"_qs);
    EXPECT_EQ(reg.readString(rebecca + u"\\Users\\3"_qs, u"MailDirNo"_qs), u"\t"_qs);
}

TEST(WineRegistry, ValueLongerThanTheBufferReadsEmpty)
{
    PrefixWith prefix(u"user.reg"_qs);
    const QString key = rebecca + u"\\Users\\1"_qs;
    EXPECT_EQ(prefix.registry.readValue(key, u"Note"_qs)->size(), 1101); // 1,100 "y" and the zero
    EXPECT_EQ(prefix.registry.readString(key, u"Note"_qs), QString());
}

TEST(WineRegistry, BufferLimitCountsCodePage932BytesAndTheTerminator)
{
    const QString fits(1023, u'a');         // 1,023 bytes + zero = 1,024
    const QString tooLong(1024, u'a');      // 1,025
    const QString kanji(512, QChar(0x6f22)); // 512 x 2 bytes + zero = 1,025
    PrefixHolding prefix(u"WINE REGISTRY Version 2\n\n[K] 1\n\"Fits\"=\""_qs + fits
                         + u"\"\n\"Long\"=\""_qs + tooLong + u"\"\n\"Kanji\"=\""_qs
                         + u"\\x6f22"_qs.repeated(512) + u"\"\n"_qs);
    EXPECT_EQ(prefix.registry.readString(u"K"_qs, u"Fits"_qs), fits);
    EXPECT_EQ(prefix.registry.readString(u"K"_qs, u"Long"_qs), QString());
    EXPECT_EQ(prefix.registry.readValue(u"K"_qs, u"Kanji"_qs)->size(), 1025);
    EXPECT_EQ(prefix.registry.readString(u"K"_qs, u"Kanji"_qs), QString());
}

TEST(WineRegistry, EscapesInStrings)
{
    PrefixWith prefix(u"user.reg"_qs);
    const QString key = u"Software\\Example\\Escapes"_qs;
    // "ｶﾀｶﾅabc漢字" in code page 932, then the terminator.
    EXPECT_EQ(hexOf(prefix.registry.readValue(key, u"Kana"_qs)),
              u"b6 c0 b6 c5 61 62 63 8a bf 8e 9a 00"_qs);
    EXPECT_EQ(prefix.registry.readString(key, u"Quote"_qs), u"say \"hi\" \\ back"_qs);
}

struct FormatRow {
    const char16_t *name;
    const char *bytes; // what the ANSI call returns, in hex
};

TEST(WineRegistry, EveryValueKind)
{
    QByteArray zeroTo63;
    for (int i = 0; i < 100; ++i)
        zeroTo63 += char(i);
    const FormatRow rows[] = {
        {u"", "64656661756c742076616c756500"},         // @ = "default value"
        {u"a\\b\"c", "6f64642076616c7565206e616d6500"}, // "odd value name"
        {u"Backslash", "433a5c615c5c625c00"},          // C:\a\\b\ .
        {u"BinEmpty", ""},
        {u"Dword", "efbeadde"},
        {u"DwordZero", "00000000"},
        {u"Emoji", "3f00"},                // a surrogate pair has no code page 932 form
        {u"Empty", "00"},
        {u"Expand", "255553455250524f46494c45255c4d61696c00"},
        {u"Kanji", "93fa967b8cea826082618262b1b2b300"}, // 日本語ＡＢＣｱｲｳ
        {u"KanjiThenHex", "8c6791d161626300"},          // 携帯abc
        {u"LatinHex", "3f6100"},                        // "éa": é is not in code page 932
        {u"LatinNoHex", "3f2100"},                      // "é!"
        {u"Multi", "6f6e650074776f008c6791d10000"},     // one, two, 携帯
        {u"None", "0000"},                              // hex(0)
        {u"Quote", "7361792022686922" "00"},            // say "hi"
        {u"Qword", "8967452301000000"},                 // hex(b)
        {u"Tab", "610962" "00"},
        {u"名前", "6a702076616c7565206e616d6500"},       // "jp value name"
    };
    PrefixWith prefix(u"formats.reg"_qs);
    for (const FormatRow &row : rows) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        const auto value = prefix.registry.readValue(samples, name);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->toHex().toStdString(), std::string(row.bytes));
    }
    EXPECT_EQ(*prefix.registry.readValue(samples, u"BinLong"_qs), zeroTo63);
}

TEST(WineRegistry, StringsEndAtTheFirstZeroByte)
{
    PrefixWith prefix(u"formats.reg"_qs);
    const WineRegistry &reg = prefix.registry;
    EXPECT_EQ(reg.readString(samples, QString()), u"default value"_qs);
    EXPECT_EQ(reg.readString(samples, u"Multi"_qs), u"one"_qs);
    EXPECT_EQ(reg.readString(samples, u"Tab"_qs), u"a\tb"_qs);
    EXPECT_EQ(reg.readString(samples, u"DwordZero"_qs), QString());
    EXPECT_EQ(reg.readString(samples, u"BinLong"_qs), QString());
    EXPECT_EQ(reg.readString(samples, u"Emoji"_qs), u"?"_qs);
}

TEST(WineRegistry, KeyNamesWithEscapes)
{
    PrefixWith prefix(u"formats.reg"_qs);
    EXPECT_EQ(prefix.registry.readString(samples + u"\\with space [x]"_qs, u"X"_qs), u"y"_qs);
    EXPECT_EQ(prefix.registry.readString(samples + u"\\キー"_qs, u"X"_qs), u"y"_qs);
    EXPECT_EQ(hexOf(prefix.registry.readValue(samples + u"\\EmptyKey"_qs, QString())), u"00"_qs);
    EXPECT_EQ(prefix.registry.readValue(samples + u"\\EmptyKey"_qs, u"X"_qs), std::nullopt);
}

TEST(WineRegistry, StringTypesGivenAsHexAreConvertedLikeStrings)
{
    // hex(2) and hex(7) hold UTF-16LE; the ANSI call still converts them.
    PrefixHolding prefix(u"WINE REGISTRY Version 2\n[K] 1\n"
                         "\"Expand\"=hex(2):41,00,42,00,00,00\n"
                         "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\n"
                         "\"Str\"=str(1):\"\\x3042\"\n"_qs);
    EXPECT_EQ(hexOf(prefix.registry.readValue(u"K"_qs, u"Expand"_qs)), u"41 42 00"_qs);
    EXPECT_EQ(hexOf(prefix.registry.readValue(u"K"_qs, u"Multi"_qs)), u"61 00 62 00 00"_qs);
    EXPECT_EQ(hexOf(prefix.registry.readValue(u"K"_qs, u"Str"_qs)), u"82 a0 00"_qs); // あ
}

TEST(WineRegistry, MissingOrForeignFilesReadAsEmpty)
{
    TestFolder empty;
    EXPECT_EQ(WineRegistry(empty.path()).readString(u"K"_qs, u"V"_qs), QString());

    // Without Wine's header the file is not a registry Wine would load.
    PrefixHolding foreign(u"REGEDIT4\n[K]\n\"V\"=\"x\"\n"_qs);
    EXPECT_EQ(foreign.registry.readValue(u"K"_qs, u"V"_qs), std::nullopt);

    PrefixHolding nothing{QString()};
    EXPECT_EQ(nothing.registry.readValue(u"K"_qs, u"V"_qs), std::nullopt);
}

TEST(WineRegistry, MalformedLinesAreSkipped)
{
    PrefixHolding prefix(u"WINE REGISTRY Version 2\r\n"
                         "\"Orphan\"=\"before any key\"\r\n"
                         "[K] 1\r\n"
                         "\"Open\"=\"no closing quote\r\n"
                         "\"BadHex\"=hex:zz,01\r\n"
                         "\"BadDword\"=dword:12345678901\r\n"
                         "\"BadType\"=str(2:\"x\"\r\n"
                         "\"NoEquals\" \"x\"\r\n"
                         "\"Unknown\"=qword:1\r\n"
                         "\"Trailing\\\r\n"
                         "\"Good\"=\"ok\"\r\n"
                         "[Unterminated\\\\key\r\n"
                         "\"Lost\"=\"x\"\r\n"
                         "[K2] 1\r\n"
                         "\"Wrapped\"=hex:01,02,\\\r\n"
                         "  03\r\n"
                         "\"AtEnd\"=hex:04,\\"_qs);
    const WineRegistry &reg = prefix.registry;
    for (const QString &name : {u"Open"_qs, u"BadHex"_qs, u"BadDword"_qs, u"BadType"_qs,
                                u"NoEquals"_qs, u"Unknown"_qs, u"Lost"_qs, u"Orphan"_qs}) {
        EXPECT_EQ(reg.readValue(u"K"_qs, name), std::nullopt) << name.toStdString();
    }
    EXPECT_EQ(reg.readString(u"K"_qs, u"Good"_qs), u"ok"_qs);
    EXPECT_EQ(hexOf(reg.readValue(u"K2"_qs, u"Wrapped"_qs)), u"01 02 03"_qs);
    EXPECT_EQ(reg.readValue(u"K2"_qs, u"AtEnd"_qs), std::nullopt);
}

TEST(WineRegistry, PrefixComesFromTheEnvironment)
{
    const QByteArray saved = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", "/srv/wine/becky");
    EXPECT_EQ(WineRegistry::prefixFromEnvironment(), u"/srv/wine/becky"_qs);
    qputenv("WINEPREFIX", "");
    EXPECT_TRUE(WineRegistry::prefixFromEnvironment().endsWith(u"/.wine"_qs));
    qunsetenv("WINEPREFIX");
    EXPECT_TRUE(WineRegistry::prefixFromEnvironment().endsWith(u"/.wine"_qs));
    if (!saved.isNull())
        qputenv("WINEPREFIX", saved);
}

} // namespace
