// The settings line: its bytes, and how any bytes at all are read back.
#include <QtTest>

#include <random>

#include "engine/settings/AnsiText.h"
#include "engine/settings/SettingsLine.h"

Q_DECLARE_METATYPE(SettingsRecord)

namespace {

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

// Distinct from anything the lines below hold, so a field left alone shows.
SettingsRecord Defaults() { return {7, 8, 100, "Default", "DefaultBot", 900}; }

bool Same(const SettingsRecord& a, const SettingsRecord& b)
{
    return a.GamesWonPlayer == b.GamesWonPlayer && a.GamesWonComputer == b.GamesWonComputer &&
           a.Speed == b.Speed && a.PlayerName == b.PlayerName && a.BotName == b.BotName &&
           a.TargetScore == b.TargetScore;
}

QString Show(const SettingsRecord& r)
{
    return QString::number(r.GamesWonPlayer) + ',' + QString::number(r.GamesWonComputer) + ',' +
           QString::number(r.Speed) + ",[" + QString::fromStdString(r.PlayerName) + "],[" +
           QString::fromStdString(r.BotName) + "]," + QString::number(r.TargetScore);
}

// Field k of a record, for comparing field by field.
std::string Field(const SettingsRecord& r, int k)
{
    switch (k) {
    case 0: return std::to_string(r.GamesWonPlayer);
    case 1: return std::to_string(r.GamesWonComputer);
    case 2: return std::to_string(r.Speed);
    case 3: return r.PlayerName;
    case 4: return r.BotName;
    default: return std::to_string(r.TargetScore);
    }
}

bool ValidUtf8(const std::string& s) { return QString::fromStdString(s).toStdString() == s; }

// A record as it comes back from the file: a double quote in a name as an apostrophe, a CR or LF
// as a blank.
SettingsRecord AsStored(SettingsRecord r)
{
    for (std::string* name : {&r.PlayerName, &r.BotName}) {
        std::replace(name->begin(), name->end(), '"', '\'');
        std::replace(name->begin(), name->end(), '\r', ' ');
        std::replace(name->begin(), name->end(), '\n', ' ');
    }
    return r;
}

}  // namespace

class SettingsLineTest : public QObject {
    Q_OBJECT
private slots:
    void writtenBytes_data()
    {
        QTest::addColumn<SettingsRecord>("record");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("first start") << SettingsRecord{0, 0, 100, "Player", "", 1000}
                                     << QByteArray("0,0,100,\"Player\",\"\",1000\r\n");
        QTest::newRow("comma in a name") << SettingsRecord{3, 12, 25, "Smith, John", "Merriel", 750}
                                         << QByteArray("3,12,25,\"Smith, John\",\"Merriel\",750\r\n");
        QTest::newRow("empty user name") << SettingsRecord{0, 1, 250, "", "Bot", 500}
                                         << QByteArray("0,1,250,\"\",\"Bot\",500\r\n");
        QTest::newRow("quote in a name") << SettingsRecord{1, 2, 100, "Bob \"the\" Builder", "\"", 1250}
                                         << QByteArray("1,2,100,\"Bob 'the' Builder\",\"'\",1250\r\n");
        QTest::newRow("largest counts") << SettingsRecord{2147483647, 2147483647, 32767, "a", "b", 32767}
                                        << QByteArray("2147483647,2147483647,32767,\"a\",\"b\",32767\r\n");
        QTest::newRow("negative") << SettingsRecord{-1, 0, -25, "a", "b", -300}
                                  << QByteArray("-1,0,-25,\"a\",\"b\",-300\r\n");
        QTest::newRow("one byte a character") << SettingsRecord{0, 0, 100, "Jos\u00e9 \u20ac", "\u03a9mega", 1000}
                                              << QByteArray("0,0,100,\"Jos\xe9 \x80\",\"?mega\",1000\r\n");
        QTest::newRow("broken UTF-8") << SettingsRecord{0, 0, 100, "a\xff\xc3", "b", 1000}
                                      << QByteArray("0,0,100,\"a??\",\"b\",1000\r\n");
    }
    void writtenBytes()
    {
        QFETCH(SettingsRecord, record);
        QFETCH(QByteArray, line);
        QCOMPARE(Bytes(FormatSettingsLine(record)), line);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("fieldsRead");
        QTest::addColumn<SettingsRecord>("expected");
        const SettingsRecord d = Defaults();
        auto with = [&](int n, SettingsRecord r) {
            // The first n fields from r, the rest the defaults.
            SettingsRecord out = d;
            if (n > 0) out.GamesWonPlayer = r.GamesWonPlayer;
            if (n > 1) out.GamesWonComputer = r.GamesWonComputer;
            if (n > 2) out.Speed = r.Speed;
            if (n > 3) out.PlayerName = r.PlayerName;
            if (n > 4) out.BotName = r.BotName;
            if (n > 5) out.TargetScore = r.TargetScore;
            return out;
        };
        const SettingsRecord full{5, 3, 25, "Ann, B", "", 500};
        QTest::newRow("as written") << QByteArray("5,3,25,\"Ann, B\",\"\",500\r\n") << 6 << full;
        QTest::newRow("no line end") << QByteArray("5,3,25,\"Ann, B\",\"\",500") << 6 << full;
        QTest::newRow("blanks before fields") << QByteArray("  5,\t3,  25 ,  \"Ann, B\" ,\"\",  500  \r\n") << 6 << full;
        QTest::newRow("one field a line") << QByteArray("5\r\n3\n25\r\"Ann, B\"\r\n\"\"\r\n500\r\n") << 6 << full;
        QTest::newRow("more after the line") << QByteArray("5,3,25,\"Ann, B\",\"\",500\r\n9,9,9\r\n") << 6 << full;
        QTest::newRow("names without quotes") << QByteArray("5,3,25,Ann ,,500") << 6
                                              << SettingsRecord{5, 3, 25, "Ann", "", 500};
        QTest::newRow("text after the closing quote") << QByteArray("5,3,25,\"Ann\"ie,\"x\"y,500") << 6
                                                      << SettingsRecord{5, 3, 25, "Ann", "x", 500};
        QTest::newRow("quoted number") << QByteArray("5,3,\"25\",\"Ann, B\",\"\",500") << 6 << full;
        QTest::newRow("signs") << QByteArray("+5,-3,0025,\"Ann, B\",\"\",-0") << 6
                               << SettingsRecord{5, -3, 25, "Ann, B", "", 0};
        QTest::newRow("cp1252 bytes") << QByteArray("1,2,3,\"Jos\xe9\",\"\x80\x81\",4") << 6
                                      << SettingsRecord{1, 2, 3, "Jos\u00e9", "\u20ac\u0081", 4};
        QTest::newRow("line end inside quotes") << QByteArray("1,2,3,\"a\r\nb\",\"c\",4") << 6
                                                << SettingsRecord{1, 2, 3, "a\r\nb", "c", 4};

        QTest::newRow("empty file") << QByteArray() << 0 << d;
        QTest::newRow("only blanks") << QByteArray("   \t ") << 0 << d;
        QTest::newRow("ends early") << QByteArray("5,3") << 2 << with(2, full);
        QTest::newRow("ends after a comma") << QByteArray("5,3,") << 2 << with(2, full);
        QTest::newRow("ends inside a name") << QByteArray("5,3,25,\"Ann, B") << 3 << with(3, full);
        QTest::newRow("speed in words") << QByteArray("5,3,fast,\"Ann, B\",\"\",500") << 2 << with(2, full);
        QTest::newRow("empty number") << QByteArray("5,,25,\"Ann, B\",\"\",500") << 1 << with(1, full);
        QTest::newRow("blank inside a number") << QByteArray("5,3,2 5,\"A\",\"\",500") << 2 << with(2, full);
        QTest::newRow("fraction") << QByteArray("5,3,25.5,\"A\",\"\",500") << 2 << with(2, full);
        QTest::newRow("two signs") << QByteArray("+-5,3,25") << 0 << d;
        QTest::newRow("lone sign") << QByteArray("-,3,25") << 0 << d;
        QTest::newRow("speed beyond 16 bits") << QByteArray("5,3,32768,\"A\",\"\",500") << 2 << with(2, full);
        QTest::newRow("target beyond 16 bits") << QByteArray("5,3,25,\"Ann, B\",\"\",-32769") << 5 << with(5, full);
        QTest::newRow("count beyond 32 bits") << QByteArray("2147483648,3,25") << 0 << d;
        QTest::newRow("count of many digits") << QByteArray("99999999999999999999999999,3") << 0 << d;
        QTest::newRow("zero bytes") << QByteArray("\0\0\0,\0", 5) << 0 << d;
    }
    void reading()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, fieldsRead);
        QFETCH(SettingsRecord, expected);
        SettingsRecord r = Defaults();
        QCOMPARE(ParseSettingsLine(std::string_view(input.constData(), size_t(input.size())), r), fieldsRead);
        QVERIFY2(Same(r, expected), qPrintable(Show(r)));
    }

    void anyNameComesBackAsWritten()
    {
        // Random names of every character cp1252 holds: what is read is what was written, but
        // for the double quote, which comes back as an apostrophe, and CR and LF, as blanks.
        std::mt19937 rng(20240611);
        std::string alphabet;
        for (int b = 1; b < 256; ++b)
            alphabet += static_cast<char>(b);
        const std::string utf8Alphabet = AnsiToUtf8(alphabet);
        const QString chars = QString::fromStdString(utf8Alphabet);
        for (int n = 0; n < 3000; ++n) {
            auto randomName = [&] {
                QString s;
                const int len = std::uniform_int_distribution<int>(0, 12)(rng);
                for (int k = 0; k < len; ++k)
                    s += chars[std::uniform_int_distribution<int>(0, int(chars.size()) - 1)(rng)];
                return s.toStdString();
            };
            const SettingsRecord written{int32_t(rng()), int32_t(rng() % 1000), int16_t(rng() % 300),
                                         randomName(), randomName(), int16_t(rng() % 2000)};
            const SettingsRecord expected = AsStored(written);
            SettingsRecord read = Defaults();
            QCOMPARE(ParseSettingsLine(FormatSettingsLine(written), read), SettingsFieldCount);
            QVERIFY2(Same(read, expected), qPrintable(Show(written) + " read as " + Show(read)));
        }
    }

    void damagedLinesAreReadFieldByField()
    {
        // Lines damaged by flipped, inserted and deleted bytes or cut short. Every field whose
        // text and comma lie before the first damaged byte comes back as written; the fields
        // after the last one read keep their defaults; names are always sound UTF-8; and the
        // values read, written again, read back the same.
        std::mt19937 rng(7);
        auto byte = [&] {
            static const char special[] = {',', '"', '\r', '\n', ' ', '-', '+', '0', '9', '\0', '\xff'};
            if (rng() % 2)
                return special[rng() % sizeof special];
            return static_cast<char>(rng() % 256);
        };
        for (int n = 0; n < 20000; ++n) {
            const SettingsRecord original{int32_t(rng() % 100000), int32_t(rng() % 100), int16_t(rng() % 300),
                                          std::string(rng() % 6, 'p') + ", q", std::string(rng() % 4, 'b'),
                                          int16_t(rng() % 2000)};
            const std::string clean = FormatSettingsLine(original);
            std::string line = clean;
            size_t firstDamage = line.size();
            const int edits = 1 + int(rng() % 4);
            for (int e = 0; e < edits; ++e) {
                const size_t at = line.empty() ? 0 : rng() % (line.size() + 1);
                switch (rng() % 4) {
                case 0:
                    if (at < line.size())
                        line[at] = byte();
                    break;
                case 1: line.insert(line.begin() + long(at), byte()); break;
                case 2:
                    if (at < line.size())
                        line.erase(at, 1);
                    break;
                default: line.resize(at); break;
                }
                firstDamage = std::min(firstDamage, at);
            }
            if (rng() % 50 == 0) {
                firstDamage = std::min(firstDamage, line.size());
                line += std::string(70000, line.empty() ? 'x' : line[rng() % line.size()]);
            }

            SettingsRecord read = Defaults();
            const int count = ParseSettingsLine(line, read);
            QVERIFY(count >= 0 && count <= SettingsFieldCount);

            // A field whose bytes and delimiter all stand before the first damaged byte.
            int intact = 0;
            size_t delimiter = 0;
            for (int k = 0; k < SettingsFieldCount; ++k) {
                const bool text = k == 3 || k == 4;
                delimiter += Field(original, k).size() + (text ? 2 : 0);
                if (delimiter >= firstDamage)
                    break;
                intact = k + 1;
                ++delimiter;
            }
            const QByteArray context = QByteArray::fromStdString(line).toPercentEncoding();
            QVERIFY2(count >= intact, context);
            for (int k = 0; k < intact; ++k)
                QVERIFY2(Field(read, k) == Field(original, k), context);
            for (int k = count; k < SettingsFieldCount; ++k)
                QVERIFY2(Field(read, k) == Field(Defaults(), k), context);
            QVERIFY2(ValidUtf8(read.PlayerName) && ValidUtf8(read.BotName), context);

            SettingsRecord again = Defaults();
            QCOMPARE(ParseSettingsLine(FormatSettingsLine(read), again), SettingsFieldCount);
            QVERIFY2(Same(again, AsStored(read)), context);
        }
    }
};

QTEST_APPLESS_MAIN(SettingsLineTest)
#include "test_settingsline.moc"
