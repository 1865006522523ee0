#include "common/TestSupport.h"
#include "maintenance/ArchiveCodec.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

// The archive codec: a round trip of the exact bytes, the standard zstd frame both ways, the result codes and
// the progress contract, and no damaged or foreign input ever restoring.
class tst_ArchiveCodec : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    static bool write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    /// Bytes that compress somewhat, as a database does: repeated records with changing numbers.
    static QByteArray sample(qsizetype size, quint32 seed)
    {
        QRandomGenerator random(seed);
        QByteArray bytes;
        bytes.reserve(size);
        while (bytes.size() < size)
            bytes += "Berth " + QByteArray::number(random.bounded(2000)) + " booked by customer " +
                     QByteArray::number(random.generate()) + '\n';
        bytes.truncate(size);
        return bytes;
    }
    static int runZstd(const QStringList& arguments) { return QProcess::execute(QStringLiteral("zstd"), arguments); }

private slots:
    void cleanup()
    {
        ttsgz::unregisterCallback();
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(path(name));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("empty file") << 0;
        QTest::newRow("one byte") << 1;
        QTest::newRow("several blocks") << 3 * 1024 * 1024 + 17;
    }
    void roundTrip()
    {
        QFETCH(int, size);
        const QByteArray original = sample(size, 7);
        QVERIFY(write(path(u"DB.sqlite"_s), original));
        QList<std::pair<qint64, qint64>> calls;
        ttsgz::registerCallback([&](qint64 total, qint64 done, int&) { calls.append({total, done}); });
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"a.SPA"_s), u"0"_s, -1), 0);
        // The callback sees the source's size as the total, never goes back and ends at the total.
        QVERIFY(!calls.isEmpty());
        QCOMPARE(calls.constLast(), std::make_pair(qint64(size), qint64(size)));
        for (qsizetype i = 1; i < calls.size(); ++i)
            QVERIFY(calls[i].second >= calls[i - 1].second);

        QCOMPARE(ttsgz::zuncompress(path(u"a.SPA"_s), path(u"back.sqlite"_s), u"0"_s), 0);
        QCOMPARE(read(path(u"back.sqlite"_s)), original);
        QVERIFY(!QFile::exists(path(u"back.sqlite.part"_s)) && !QFile::exists(path(u"a.SPA.part"_s)));
        // Archives hold the customers' details: nobody else may read them.
        QCOMPARE(QFile::permissions(path(u"a.SPA"_s)) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void standardToolBothWays()
    {
        if (QStandardPaths::findExecutable(u"zstd"_s).isEmpty())
            QFAIL("the zstd command is missing: tools/ensure-packages.sh installs it");
        const QByteArray original = sample(200000, 11);
        QVERIFY(write(path(u"DB.sqlite"_s), original));
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"ours.SPA"_s), u"0"_s, -1), 0);
        QCOMPARE(runZstd({u"-q"_s, u"-d"_s, path(u"ours.SPA"_s), u"-o"_s, path(u"by-tool.sqlite"_s)}), 0);
        QCOMPARE(read(path(u"by-tool.sqlite"_s)), original);

        QCOMPARE(runZstd({u"-q"_s, u"-19"_s, path(u"DB.sqlite"_s), u"-o"_s, path(u"tool.SPA"_s)}), 0);
        QCOMPARE(ttsgz::zuncompress(path(u"tool.SPA"_s), path(u"from-tool.sqlite"_s), u"0"_s), 0);
        QCOMPARE(read(path(u"from-tool.sqlite"_s)), original);

        // Without its checksum a frame cannot prove it came back whole: refused.
        QCOMPARE(runZstd({u"-q"_s, u"--no-check"_s, path(u"DB.sqlite"_s), u"-o"_s, path(u"nocheck.SPA"_s)}), 0);
        QCOMPARE(ttsgz::zuncompress(path(u"nocheck.SPA"_s), path(u"x.sqlite"_s), u"0"_s), int(ttsgz::ReadError));
        QVERIFY(!QFile::exists(path(u"x.sqlite"_s)));
    }

    void resultCodes()
    {
        QVERIFY(write(path(u"DB.sqlite"_s), sample(5000, 3)));
        QVERIFY(write(path(u"target.sqlite"_s), "previous"));
        const QString noFolder = path(u"no-such-folder/a.SPA"_s);
        QCOMPARE(ttsgz::zcompress(path(u"missing.sqlite"_s), path(u"a.SPA"_s), u"0"_s, -1), 1);
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), noFolder, u"0"_s, -1), 1);
        QCOMPARE(ttsgz::zuncompress(path(u"missing.SPA"_s), path(u"target.sqlite"_s), u"0"_s), 1);
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"a.SPA"_s), QString(), -1), 0);
        QCOMPARE(ttsgz::zuncompress(path(u"a.SPA"_s), noFolder, u"0"_s), 1);
        // An archive that cannot be written under its own name: the folder is in the way.
        QVERIFY(QDir(m_dir.path()).mkpath(u"taken.part"_s));
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"taken"_s), u"0"_s, -1), 4);
        QCOMPARE(ttsgz::zuncompress(path(u"a.SPA"_s), path(u"taken"_s), u"0"_s), 4);

        // Abort at the first call: code 2, no archive, the target as it was.
        ttsgz::registerCallback([](qint64, qint64, int& abort) { abort = -1; });
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"b.SPA"_s), u"0"_s, -1), 2);
        QCOMPARE(ttsgz::zuncompress(path(u"a.SPA"_s), path(u"target.sqlite"_s), u"0"_s), 2);
        QVERIFY(!QFile::exists(path(u"b.SPA"_s)) && !QFile::exists(path(u"b.SPA.part"_s)));
        QCOMPARE(read(path(u"target.sqlite"_s)), QByteArray("previous"));

        const QStringList texts = {u"No error"_s,    u"Bad file name"_s, u"User abort"_s,    u"Read error"_s,
                                   u"Write error"_s, u"Out of memory"_s, u"Unknown error"_s, u"Unknown error"_s};
        const QList<int> codes = {0, 1, 2, 3, 4, 5, 6, -1};
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(ttsgz::errorText(codes[i]), texts[i]);
    }

    /// Truncated, bit-flipped and foreign archives: never 0, never a crash, the target never touched.
    void damagedArchivesNeverRestore()
    {
        const QByteArray original = sample(40000, 5);
        QVERIFY(write(path(u"DB.sqlite"_s), original));
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"good.SPA"_s), u"0"_s, -1), 0);
        const QByteArray good = read(path(u"good.SPA"_s));
        const QByteArray previous = "the database before";
        QVERIFY(write(path(u"target.sqlite"_s), previous));

        QList<QByteArray> cases;
        for (qsizetype length = 0; length < good.size(); length += qMax<qsizetype>(1, good.size() / 1200))
            cases << good.left(length);
        QRandomGenerator random(20261204);
        for (int i = 0; i < 1500; ++i) {
            QByteArray flipped = good;
            const int bits = 1 + int(random.bounded(3));
            for (int b = 0; b < bits; ++b) {
                const qsizetype at = random.bounded(int(flipped.size()));
                flipped[at] = char(flipped[at] ^ (1 << random.bounded(8)));
            }
            cases << flipped;
        }
        cases << good + good.left(7) << good + QByteArray(1, '\0') << QByteArray(100000, '\0') << original
              << QByteArray("\x1f\x8b\x08\x00 a gzip file", 22) << QByteArray("SQLite format 3\0", 16);
        for (int i = 0; i < 300; ++i) {
            QByteArray noise(int(random.bounded(1, 4096)), Qt::Uninitialized);
            for (char& c : noise)
                c = char(random.bounded(256));
            if (i % 2)
                noise.replace(0, 4, QByteArray("\x28\xb5\x2f\xfd", 4)); // a zstd magic number, then nonsense
            cases << noise;
        }
        QVERIFY(cases.size() > 2500);
        int restored = 0;
        for (const QByteArray& bytes : std::as_const(cases)) {
            if (bytes == good)
                continue; // a flip that flipped back
            // A new file each time: rewriting one in place makes the file system flush it on every close.
            QFile::remove(path(u"bad.SPA"_s));
            QVERIFY(write(path(u"bad.SPA"_s), bytes));
            if (ttsgz::zuncompress(path(u"bad.SPA"_s), path(u"target.sqlite"_s), u"0"_s) == 0)
                ++restored;
        }
        QCOMPARE(restored, 0);
        QCOMPARE(read(path(u"target.sqlite"_s)), previous);
        QVERIFY(!QFile::exists(path(u"target.sqlite.part"_s)));
    }
};

ZEM_TEST(tst_ArchiveCodec)
#include "tst_ArchiveCodec.moc"
