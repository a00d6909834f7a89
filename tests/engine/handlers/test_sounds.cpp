// The sound files: a header every player accepts, samples that never clip or click, and the four
// sounds as long and as loud as the game expects them.
#include <QtTest>
#include <cstdio>

#include "tools/SoundSynth.h"
#include "tools/WavWriter.h"

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + size_t(i)];
    return v;
}

std::string Tag(const std::vector<uint8_t>& b, size_t at) { return std::string(b.begin() + long(at), b.begin() + long(at) + 4); }

const SoundRecipe* Recipe(const QString& file)
{
    for (const SoundRecipe& r : SoundRecipes())
        if (file == QLatin1String(r.file))
            return &r;
    return nullptr;
}

// 2 ms windows whose loudness jumps well above the window before: the strokes of a sound.
int Onsets(const std::vector<int16_t>& pcm, uint32_t rate)
{
    const size_t window = rate / 500;
    int onsets = 0;
    double before = 0;
    bool armed = true;  // since the last stroke the sound has died down
    for (size_t at = 0; at + window <= pcm.size(); at += window) {
        double peak = 0;
        for (size_t i = at; i < at + window; ++i)
            peak = std::max(peak, std::fabs(double(pcm[i])));
        if (armed && peak > 4 * before + 2000) {
            ++onsets;
            armed = false;
        } else if (peak < WavFullScale / 8) {
            armed = true;
        }
        before = peak;
    }
    return onsets;
}

}  // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void header_data()
    {
        QTest::addColumn<int>("samples");
        QTest::addColumn<uint>("rate");
        QTest::newRow("empty") << 0 << 44100u;
        QTest::newRow("one sample") << 1 << 8000u;
        QTest::newRow("a second") << 44100 << 44100u;
    }
    void header()
    {
        QFETCH(int, samples);
        QFETCH(uint, rate);
        const auto b = WavBytes(std::vector<int16_t>(size_t(samples), 7), rate);
        QCOMPARE(b.size(), size_t(44 + 2 * samples));
        QCOMPARE(Tag(b, 0), std::string("RIFF"));
        QCOMPARE(Le(b, 4, 4), uint32_t(36 + 2 * samples));
        QCOMPARE(Tag(b, 8), std::string("WAVE"));
        QCOMPARE(Tag(b, 12), std::string("fmt "));
        QCOMPARE(Le(b, 16, 4), 16u);
        QCOMPARE(Le(b, 20, 2), 1u);  // PCM
        QCOMPARE(Le(b, 22, 2), 1u);  // mono
        QCOMPARE(Le(b, 24, 4), rate);
        QCOMPARE(Le(b, 28, 4), rate * 2);
        QCOMPARE(Le(b, 32, 2), 2u);
        QCOMPARE(Le(b, 34, 2), 16u);
        QCOMPARE(Tag(b, 36), std::string("data"));
        QCOMPARE(Le(b, 40, 4), uint32_t(2 * samples));
    }

    void samplesLittleEndian()
    {
        const auto b = WavBytes({-2, 0x1234, -32767}, 8000);
        const std::vector<uint8_t> data(b.begin() + 44, b.end());
        QCOMPARE(data, (std::vector<uint8_t>{0xFE, 0xFF, 0x34, 0x12, 0x01, 0x80}));
    }

    void fileWrittenWhole()
    {
        // Binary, in full: a text-mode write would turn each 0x0A byte into two.
        QTemporaryDir dir;
        const std::string path = dir.filePath("t.wav").toStdString();
        const auto bytes = WavBytes({0x0A0A, 0x0D0A, 10, -1}, 22050);
        QVERIFY(WriteWavFile(path, bytes));
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray read = f.readAll();
        QCOMPARE(std::vector<uint8_t>(read.begin(), read.end()), bytes);
        QVERIFY(!WriteWavFile(dir.filePath("no/such/folder/t.wav").toStdString(), bytes));
    }

    void scaledToPeakAndFaded_data()
    {
        QTest::addColumn<double>("peak");
        QTest::addColumn<double>("level");  // of the signal before scaling
        QTest::newRow("loud signal brought down") << 0.5 << 3.0;
        QTest::newRow("quiet signal brought up") << 0.8 << 0.01;
        QTest::newRow("peak above full scale kept at full") << 1.5 << 1.0;
    }
    void scaledToPeakAndFaded()
    {
        QFETCH(double, peak);
        QFETCH(double, level);
        std::vector<double> signal(1000);
        for (size_t i = 0; i < signal.size(); ++i)
            signal[i] = level * std::sin(double(i) * 0.3);
        const auto pcm = ToPcm16(signal, peak, 50, 100);
        int largest = 0;
        for (int16_t s : pcm)
            largest = std::max(largest, std::abs(int(s)));
        QVERIFY(std::abs(largest - std::min(peak, 1.0) * WavFullScale) <= 1.0);
        QCOMPARE(pcm.front(), int16_t(0));
        QVERIFY(std::abs(pcm.back()) < 0.001 * WavFullScale);
        QVERIFY(std::abs(pcm[2]) < std::abs(int(std::round(signal[2] / level * largest))));
    }

    void silenceAndBadSamplesStayQuiet()
    {
        QCOMPARE(ToPcm16(std::vector<double>(10, 0.0), 0.5, 2, 2), std::vector<int16_t>(10, 0));
        const auto pcm = ToPcm16({0.0, 1.0, std::nan(""), -1.0, 0.0}, 0.5, 0, 0);
        QCOMPARE(pcm[2], int16_t(0));
        QCOMPARE(pcm[1], int16_t(qRound(0.5 * WavFullScale)));
        QVERIFY(ToPcm16({}, 0.5, 10, 10).empty());
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("shortest");  // seconds
        QTest::addColumn<double>("longest");
        QTest::addColumn<int>("strokes");     // 0: not counted
        QTest::newRow("card") << "carddeal1.wav" << 0.06 << 0.09 << 1;
        QTest::newRow("riffle") << "riffle.wav" << 0.6 << 0.9 << 0;
        QTest::newRow("knock") << "knock.wav" << 0.3 << 0.4 << 2;
        QTest::newRow("chime") << "ringout.wav" << 0.35 << 0.45 << 1;
    }
    void sounds()
    {
        QFETCH(QString, file);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        QFETCH(int, strokes);
        const SoundRecipe* r = Recipe(file);
        QVERIFY(r);
        const auto pcm = RenderSound(*r);
        const double seconds = double(pcm.size()) / SoundRate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        QCOMPARE(RenderSound(*r), pcm);  // the same every build

        int largest = 0;
        double sum = 0;
        for (int16_t s : pcm) {
            largest = std::max(largest, std::abs(int(s)));
            sum += s;
        }
        QVERIFY(largest >= 0.3 * WavFullScale && largest <= 0.75 * WavFullScale);  // headroom, no clipping
        QVERIFY(std::fabs(sum / double(pcm.size())) < 0.01 * WavFullScale);       // no offset to thump
        QVERIFY(std::abs(pcm.front()) < 200 && std::abs(pcm.back()) < 50);        // no click at either end
        if (strokes)
            QCOMPARE(Onsets(pcm, SoundRate), strokes);
    }

    void riffleIsManyQuickClicks()
    {
        const auto pcm = RenderSound(*Recipe("riffle.wav"));
        QVERIFY2(Onsets(pcm, SoundRate) >= 20, qPrintable(QString::number(Onsets(pcm, SoundRate))));
    }

    void everySoundOfTheGameMade()
    {
        QStringList files;
        for (const SoundRecipe& r : SoundRecipes())
            files << QLatin1String(r.file);
        QCOMPARE(files, (QStringList{"carddeal1.wav", "riffle.wav", "knock.wav", "ringout.wav"}));
    }
};

QTEST_APPLESS_MAIN(SoundsTest)
#include "test_sounds.moc"
