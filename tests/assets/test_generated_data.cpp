// Checks the data that the build makes for the program: the twenty sound cues in
// oto/, the help page Kazerumi.html, and the pictures linked in as resources.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const QString kDataDir = QStringLiteral(KAZERUMI_DATA_DIR);

const QStringList kCueFiles = {
    QStringLiteral("1.wav"),      QStringLiteral("2.wav"),      QStringLiteral("3.wav"),
    QStringLiteral("4.wav"),      QStringLiteral("5.wav"),      QStringLiteral("6.wav"),
    QStringLiteral("7.wav"),      QStringLiteral("8.wav"),      QStringLiteral("9.wav"),
    QStringLiteral("10.wav"),     QStringLiteral("pipo.wav"),   QStringLiteral("poon.wav"),
    QStringLiteral("bubuu.wav"),  QStringLiteral("pinpon.wav"), QStringLiteral("sharan.wav"),
    QStringLiteral("charararan.wav"), QStringLiteral("bun.wav"), QStringLiteral("pipon.wav"),
    QStringLiteral("chararan.wav"), QStringLiteral("20.wav"),
};

struct Wave {
    QString error; // empty when the file is a valid 16-bit PCM mono WAV
    int sampleRate = 0;
    std::vector<qint16> samples;

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// Reads a RIFF/WAVE file chunk by chunk and accepts only 16-bit PCM mono.
Wave readWave(const QString &path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wave.error = QStringLiteral("cannot open");
        return wave;
    }
    const QByteArray bytes = file.readAll();
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };

    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.error = QStringLiteral("not a RIFF/WAVE file");
        return wave;
    }
    if (u32(4) != quint32(bytes.size() - 8)) {
        wave.error = QStringLiteral("RIFF size %1 does not match the file size %2").arg(u32(4)).arg(bytes.size());
        return wave;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) {
            wave.error = QStringLiteral("chunk '%1' runs past the end of the file").arg(QString::fromLatin1(id));
            return wave;
        }
        if (id == "fmt ") {
            if (size < 16) {
                wave.error = QStringLiteral("format chunk too short");
                return wave;
            }
            const quint16 format = u16(body), channels = u16(body + 2), blockAlign = u16(body + 12),
                          bits = u16(body + 14);
            const quint32 rate = u32(body + 4), byteRate = u32(body + 8);
            if (format != 1 || channels != 1 || bits != 16 || blockAlign != 2 || byteRate != rate * 2
                || rate < 8000 || rate > 96000) {
                wave.error = QStringLiteral("not 16-bit PCM mono: format %1, channels %2, bits %3, rate %4")
                                 .arg(format).arg(channels).arg(bits).arg(rate);
                return wave;
            }
            wave.sampleRate = int(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                wave.error = QStringLiteral("data chunk before the format chunk");
                return wave;
            }
            if (size % 2 != 0) {
                wave.error = QStringLiteral("odd data size for 16-bit samples");
                return wave;
            }
            wave.samples.resize(size / 2);
            for (quint32 i = 0; i < size / 2; ++i)
                wave.samples[i] = qFromLittleEndian<qint16>(bytes.constData() + body + 2 * i);
            return wave;
        }
        at = body + size + (size % 2); // chunks are padded to an even size
    }
    wave.error = QStringLiteral("no data chunk");
    return wave;
}

double toDb(double amplitude)
{
    return amplitude > 0.0 ? 20.0 * std::log10(amplitude / 32768.0) : -200.0;
}

// How alike two cues are: the normalised correlation of their samples over the
// length they share (1 for the same sound, near 0 for unrelated ones).
double similarity(const std::vector<qint16> &a, const std::vector<qint16> &b)
{
    const std::size_t n = std::min(a.size(), b.size());
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        ab += double(a[i]) * b[i];
        aa += double(a[i]) * a[i];
        bb += double(b[i]) * b[i];
    }
    return aa > 0 && bb > 0 ? std::abs(ab) / std::sqrt(aa * bb) : 0.0;
}

QSet<QString> anchorNames(const QTextDocument &document, QStringList *internalLinks, QStringList *otherLinks)
{
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString &name : format.anchorNames())
                names.insert(name);
            const QString href = format.anchorHref();
            if (!href.isEmpty())
                (href.startsWith(u'#') ? internalLinks : otherLinks)->append(href);
        }
    }
    return names;
}

int opaquePixels(const QImage &image, int x0, int x1)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return count;
}

} // namespace

class TestGeneratedData : public QObject {
    Q_OBJECT

private slots:
    void soundCue_data();
    void soundCue();
    void soundCuesAreDistinct();
    void helpPageIsUtf8WithWorkingContents();
    void helpPageCoversTheProgram();
    void resourcePicture_data();
    void resourcePicture();
    void redArrowIsRedAndPointsRight();
};

void TestGeneratedData::soundCue_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("minSeconds");
    QTest::addColumn<double>("maxSeconds");

    for (int n = 1; n <= 10; ++n)
        QTest::addRow("%d.wav", n) << QStringLiteral("%1.wav").arg(n) << 0.15 << 0.8;
    QTest::newRow("pipo (new problem)") << QStringLiteral("pipo.wav") << 0.12 << 0.5;
    QTest::newRow("poon (screen shown)") << QStringLiteral("poon.wav") << 0.2 << 0.8;
    QTest::newRow("bubuu (wrong)") << QStringLiteral("bubuu.wav") << 0.3 << 0.9;
    QTest::newRow("pinpon (right)") << QStringLiteral("pinpon.wav") << 0.4 << 0.95;
    QTest::newRow("sharan (memo)") << QStringLiteral("sharan.wav") << 0.4 << 0.95;
    QTest::newRow("charararan (start-up)") << QStringLiteral("charararan.wav") << 0.8 << 1.55;
    QTest::newRow("bun (digit picked)") << QStringLiteral("bun.wav") << 0.03 << 0.15;
    QTest::newRow("pipon") << QStringLiteral("pipon.wav") << 0.3 << 0.9;
    QTest::newRow("chararan (drill stopped)") << QStringLiteral("chararan.wav") << 0.4 << 0.95;
    QTest::newRow("20.wav") << QStringLiteral("20.wav") << 0.15 << 0.8;
}

// Each cue is a valid 16-bit PCM mono WAV of a sensible length, soft but clearly
// audible, never clipped, and it starts and ends at silence so it does not click.
void TestGeneratedData::soundCue()
{
    QFETCH(QString, file);
    QFETCH(double, minSeconds);
    QFETCH(double, maxSeconds);

    const Wave wave = readWave(kDataDir + QStringLiteral("oto/") + file);
    QVERIFY2(wave.error.isEmpty(), qPrintable(file + QStringLiteral(": ") + wave.error));
    QVERIFY2(wave.seconds() >= minSeconds && wave.seconds() <= maxSeconds,
             qPrintable(QStringLiteral("%1 lasts %2 s").arg(file).arg(wave.seconds())));

    double peak = 0, energy = 0;
    for (qint16 s : wave.samples) {
        peak = std::max(peak, std::abs(double(s)));
        energy += double(s) * s;
    }
    const double rms = std::sqrt(energy / double(wave.samples.size()));
    QVERIFY2(toDb(peak) >= -12.0 && toDb(peak) <= -3.0,
             qPrintable(QStringLiteral("%1 peaks at %2 dBFS").arg(file).arg(toDb(peak))));
    QVERIFY2(toDb(rms) >= -40.0, qPrintable(QStringLiteral("%1 is almost silent: %2 dBFS RMS").arg(file).arg(toDb(rms))));

    QVERIFY2(std::abs(wave.samples.front()) < 100 && std::abs(wave.samples.back()) < 100,
             qPrintable(QStringLiteral("%1 starts at %2 and ends at %3, which clicks")
                            .arg(file).arg(wave.samples.front()).arg(wave.samples.back())));
}

void TestGeneratedData::soundCuesAreDistinct()
{
    std::vector<Wave> waves;
    for (const QString &file : kCueFiles) {
        waves.push_back(readWave(kDataDir + QStringLiteral("oto/") + file));
        QVERIFY2(waves.back().error.isEmpty(), qPrintable(file + QStringLiteral(": ") + waves.back().error));
    }
    for (std::size_t i = 0; i < waves.size(); ++i) {
        for (std::size_t j = i + 1; j < waves.size(); ++j) {
            const double a = waves[i].seconds(), b = waves[j].seconds();
            const bool differentLength = std::abs(a - b) > 0.05 * std::max(a, b);
            const double alike = similarity(waves[i].samples, waves[j].samples);
            QVERIFY2(differentLength || alike < 0.8,
                     qPrintable(QStringLiteral("%1 and %2 sound the same (correlation %3)")
                                    .arg(kCueFiles[int(i)], kCueFiles[int(j)]).arg(alike)));
        }
    }
}

// The page is read as Qt's rich-text viewer reads it: the "contents" anchor is in
// the first block, every section is linked from the page, and every link lands.
void TestGeneratedData::helpPageIsUtf8WithWorkingContents()
{
    QFile file(kDataDir + QStringLiteral("Kazerumi.html"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString html = utf8(bytes);
    QVERIFY2(!utf8.hasError(), "the help page is not valid UTF-8");
    QVERIFY(html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive));

    QTextDocument document;
    document.setHtml(html);
    QStringList internalLinks, otherLinks;
    const QSet<QString> names = anchorNames(document, &internalLinks, &otherLinks);

    QVERIFY2(document.begin().text().contains(QStringLiteral("つかいかた")), qPrintable(document.begin().text()));
    bool contentsAtTop = false;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it)
        contentsAtTop = contentsAtTop || it.fragment().charFormat().anchorNames().contains(QStringLiteral("contents"));
    QVERIFY2(contentsAtTop, "the anchor 'contents' is not at the top of the page");

    QVERIFY2(otherLinks.isEmpty(), qPrintable(QStringLiteral("links leaving the page: ") + otherLinks.join(u' ')));
    QVERIFY2(internalLinks.size() >= 20, qPrintable(QStringLiteral("only %1 links").arg(internalLinks.size())));
    QSet<QString> linked;
    for (const QString &link : internalLinks) {
        const QString target = link.mid(1);
        QVERIFY2(names.contains(target), qPrintable(QStringLiteral("the link %1 has no anchor").arg(link)));
        linked.insert(target);
    }
    for (const QString &name : names)
        QVERIFY2(linked.contains(name), qPrintable(QStringLiteral("the section '%1' is not in the contents").arg(name)));
}

// The children and parents find every chapter, every topic button and the words
// of the screens they are told about.
void TestGeneratedData::helpPageCoversTheProgram()
{
    QFile file(kDataDir + QStringLiteral("Kazerumi.html"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QString text = document.toPlainText();

    const QStringList expected = {
        // chapters and topic buttons of the contents screen
        "もくじ", "１．小数", "２．計算のきまり", "３．がい数の計算", "４．図形", "５．分数", "６．割合", "７．分数と小数",
        "小数のしくみ", "10倍、1/10など", "かけ算のドリル", "わり算のドリル", "きまりとくふう", "たし算とひき算",
        "三角形などの角度", "三角形などの面積", "円の長さと面積", "百分率", "わり算と分数と小数",
        // modes, buttons and answering
        "べんきょう", "テスト", "次へ", "ステップ", "答え", "ポイント", "◆", "○", "×", "おわる", "もくじへ",
        // drills and their results
        "なし", "５ふん", "１０ぷん", "１５ふん", "スタート", "ストップ", "けっか", "問題", "○の数", "点数", "時間",
        // the note for parents
        "おうちの方へ", "kyozai",
    };
    for (const QString &word : expected)
        QVERIFY2(text.contains(word), qPrintable(QStringLiteral("the help page never mentions %1").arg(word)));
}

void TestGeneratedData::resourcePicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minColours");

    QTest::newRow("prompt face") << QStringLiteral(":/pictures/prompt_face.png") << QSize(64, 64) << 20;
    QTest::newRow("red arrow") << QStringLiteral(":/pictures/red_arrow.png") << QSize(20, 11) << 1;
}

// Linked in, the exact size, a transparent background and a real drawing on it.
void TestGeneratedData::resourcePicture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, minColours);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

    const int area = size.width() * size.height();
    const int opaque = opaquePixels(image, 0, image.width());
    QVERIFY2(opaque > area / 5 && opaque < area * 9 / 10, qPrintable(QStringLiteral("%1 opaque pixels").arg(opaque)));

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= minColours, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
}

void TestGeneratedData::redArrowIsRedAndPointsRight()
{
    const QImage arrow(QStringLiteral(":/pictures/red_arrow.png"));
    QVERIFY(!arrow.isNull());
    for (int y = 0; y < arrow.height(); ++y) {
        for (int x = 0; x < arrow.width(); ++x) {
            const QRgb p = arrow.pixel(x, y);
            if (qAlpha(p) > 128)
                QVERIFY2(qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90, qPrintable(QStringLiteral("(%1,%2) is not red").arg(x).arg(y)));
        }
    }
    // The shaft is thin on the left, the head is tall on the right, and its tip
    // reaches the right edge at mid-height.
    const int leftHalf = opaquePixels(arrow, 0, arrow.width() / 2);
    const int rightHalf = opaquePixels(arrow, arrow.width() / 2, arrow.width());
    QVERIFY2(rightHalf > leftHalf * 3 / 2, qPrintable(QStringLiteral("left %1, right %2").arg(leftHalf).arg(rightHalf)));
    QVERIFY(qAlpha(arrow.pixel(arrow.width() - 1, arrow.height() / 2)) > 64);
    QCOMPARE(qAlpha(arrow.pixel(arrow.width() - 1, 0)), 0);
}

QTEST_MAIN(TestGeneratedData)
#include "test_generated_data.moc"
