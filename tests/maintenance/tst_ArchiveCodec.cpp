#include "MaintenanceTest.h"
#include "maintenance/ArchiveCodec.h"

#include <QStandardPaths>
#include <QTemporaryDir>

// The archive codec: a round trip of the exact bytes, the standard zstd frame both ways, the result codes and
// the progress contract, and no damaged or foreign input ever restoring.
class tst_ArchiveCodec : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    int pack(const QString& from, const QString& to) { return ttsgz::zcompress(path(from), path(to), u"0"_s, -1); }
    int unpack(const QString& from, const QString& to) { return ttsgz::zuncompress(path(from), path(to), u"0"_s); }
    /// Bytes that compress somewhat, as a database does: repeated records with changing numbers.
    static QByteArray sample(qsizetype size, quint32 seed)
    {
        QRandomGenerator random(seed);
        QByteArray bytes;
        while (bytes.size() < size)
            bytes += "Berth " + QByteArray::number(random.bounded(2000)) + " booked by customer " +
                     QByteArray::number(random.generate()) + '\n';
        return bytes.left(size);
    }
    int zstd(const QStringList& arguments) { return QProcess::execute(QStringLiteral("zstd"), arguments); }

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
        QVERIFY(writeAll(path(u"DB.sqlite"_s), original));
        QList<std::pair<qint64, qint64>> calls;
        ttsgz::registerCallback([&](qint64 total, qint64 done, int&) { calls.append({total, done}); });
        QCOMPARE(pack(u"DB.sqlite"_s, u"a.SPA"_s), 0);
        // The callback sees the source's size as the total, never goes back and ends at the total.
        QVERIFY(!calls.isEmpty());
        QCOMPARE(calls.constLast(), std::make_pair(qint64(size), qint64(size)));
        QVERIFY(std::is_sorted(calls.cbegin(), calls.cend(), [](auto& a, auto& b) { return a.second < b.second; }));

        QCOMPARE(unpack(u"a.SPA"_s, u"back.sqlite"_s), 0);
        QCOMPARE(readAll(path(u"back.sqlite"_s)), original);
        QVERIFY(!QFile::exists(path(u"back.sqlite.part"_s)) && !QFile::exists(path(u"a.SPA.part"_s)));
        // Archives hold the customers' details: nobody else may read them.
        QCOMPARE(QFile::permissions(path(u"a.SPA"_s)) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void standardToolBothWaysAndResultCodes()
    {
        if (QStandardPaths::findExecutable(u"zstd"_s).isEmpty())
            QFAIL("the zstd command is missing: tools/ensure-packages.sh installs it");
        const QByteArray original = sample(200000, 11);
        QVERIFY(writeAll(path(u"DB.sqlite"_s), original));
        QCOMPARE(pack(u"DB.sqlite"_s, u"ours.SPA"_s), 0);
        QCOMPARE(zstd({u"-q"_s, u"-d"_s, path(u"ours.SPA"_s), u"-o"_s, path(u"by-tool.sqlite"_s)}), 0);
        QCOMPARE(readAll(path(u"by-tool.sqlite"_s)), original);

        QCOMPARE(zstd({u"-q"_s, u"-19"_s, path(u"DB.sqlite"_s), u"-o"_s, path(u"tool.SPA"_s)}), 0);
        QCOMPARE(unpack(u"tool.SPA"_s, u"from-tool.sqlite"_s), 0);
        QCOMPARE(readAll(path(u"from-tool.sqlite"_s)), original);

        // Without its checksum a frame cannot prove it came back whole: refused.
        QCOMPARE(zstd({u"-q"_s, u"--no-check"_s, path(u"DB.sqlite"_s), u"-o"_s, path(u"nocheck.SPA"_s)}), 0);
        QCOMPARE(unpack(u"nocheck.SPA"_s, u"x.sqlite"_s), int(ttsgz::ReadError));
        QVERIFY(!QFile::exists(path(u"x.sqlite"_s)));

        // The other result codes: a bad name, a name in the way, an abort.
        QVERIFY(writeAll(path(u"DB.sqlite"_s), sample(5000, 3)));
        QVERIFY(writeAll(path(u"target.sqlite"_s), "previous"));
        QCOMPARE(pack(u"missing.sqlite"_s, u"a.SPA"_s), 1);
        QCOMPARE(pack(u"DB.sqlite"_s, u"no-such-folder/a.SPA"_s), 1);
        QCOMPARE(unpack(u"missing.SPA"_s, u"target.sqlite"_s), 1);
        QCOMPARE(ttsgz::zcompress(path(u"DB.sqlite"_s), path(u"a.SPA"_s), QString(), -1), 0);
        QCOMPARE(unpack(u"a.SPA"_s, u"no-such-folder/a.SPA"_s), 1);
        // An archive that cannot be written under its own name: the folder is in the way.
        QVERIFY(QDir(m_dir.path()).mkpath(u"taken.part"_s));
        QCOMPARE(pack(u"DB.sqlite"_s, u"taken"_s), 4);
        QCOMPARE(unpack(u"a.SPA"_s, u"taken"_s), 4);

        // Abort at the first call: code 2, no archive, the target as it was.
        ttsgz::registerCallback([](qint64, qint64, int& abort) { abort = -1; });
        QCOMPARE(pack(u"DB.sqlite"_s, u"b.SPA"_s), 2);
        QCOMPARE(unpack(u"a.SPA"_s, u"target.sqlite"_s), 2);
        QVERIFY(!QFile::exists(path(u"b.SPA"_s)) && !QFile::exists(path(u"b.SPA.part"_s)));
        QCOMPARE(readAll(path(u"target.sqlite"_s)), QByteArray("previous"));

        const QStringList texts = {u"No error"_s,    u"Bad file name"_s, u"User abort"_s,    u"Read error"_s,
                                   u"Write error"_s, u"Out of memory"_s, u"Unknown error"_s, u"Unknown error"_s};
        for (int code = -1; code <= 6; ++code)
            QCOMPARE(ttsgz::errorText(code), texts[code < 0 ? 7 : code]);
    }

    /// Truncated, bit-flipped and foreign archives: never 0, never a crash, the target never touched.
    void damagedArchivesNeverRestore()
    {
        const QByteArray original = sample(40000, 5);
        QVERIFY(writeAll(path(u"DB.sqlite"_s), original));
        QCOMPARE(pack(u"DB.sqlite"_s, u"good.SPA"_s), 0);
        const QByteArray good = readAll(path(u"good.SPA"_s));
        QVERIFY(writeAll(path(u"target.sqlite"_s), "the database before"));

        QList<QByteArray> cases = {good + good.left(7), good + QByteArray(1, '\0'), QByteArray(100000, '\0'), original};
        cases << QByteArray("\x1f\x8b\x08\x00 a gzip file", 22) << QByteArray("SQLite format 3\0", 16);
        for (qsizetype length = 0; length < good.size(); length += qMax<qsizetype>(1, good.size() / 1200))
            cases << good.left(length);
        QRandomGenerator random(20261204);
        for (int i = 0; i < 1500; ++i) {
            QByteArray flipped = good;
            for (int b = 0, bits = 1 + int(random.bounded(3)); b < bits; ++b)
                flipped[random.bounded(int(flipped.size()))] ^= char(1 << random.bounded(8));
            cases << flipped;
        }
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
        QStringList unexplained; // refused without a reason the message can name
        for (const QByteArray& bytes : std::as_const(cases)) {
            // A new file each time: rewriting one in place makes the file system flush it on every close.
            QFile::remove(path(u"bad.SPA"_s));
            QVERIFY(writeAll(path(u"bad.SPA"_s), bytes));
            if (bytes == good)
                continue; // a flip flipped back
            ttsgz::Stopped stopped;
            const int code = ttsgz::zuncompress(path(u"bad.SPA"_s), path(u"target.sqlite"_s), u"0"_s, &stopped);
            restored += code == 0;
            const bool placed =
                stopped.why != ttsgz::Stopped::Why::Damaged || (stopped.offset >= 0 && stopped.offset <= bytes.size());
            if (code != 0 && code != ttsgz::OutOfMemory && (stopped.why == ttsgz::Stopped::Why::Other || !placed))
                unexplained << QString::fromLatin1(bytes.left(12).toHex());
        }
        QCOMPARE(restored, 0);
        QCOMPARE(unexplained, QStringList());
        // Where it is known, the reason is the right one.
        ttsgz::Stopped stopped;
        QVERIFY(writeAll(path(u"cut.SPA"_s), good.left(good.size() / 2)));
        QCOMPARE(ttsgz::zuncompress(path(u"cut.SPA"_s), path(u"target.sqlite"_s), u"0"_s, &stopped), 3);
        QCOMPARE(int(stopped.why), int(ttsgz::Stopped::Why::Damaged));
        QCOMPARE(stopped.offset, good.size() / 2);
        QCOMPARE(ttsgz::zuncompress(path(u"DB.sqlite"_s), path(u"target.sqlite"_s), u"0"_s, &stopped), 3);
        QCOMPARE(int(stopped.why), int(ttsgz::Stopped::Why::NotAnArchive));
        QCOMPARE(readAll(path(u"target.sqlite"_s)), QByteArray("the database before"));
        QVERIFY(!QFile::exists(path(u"target.sqlite.part"_s)));
    }
};

ZEM_TEST(tst_ArchiveCodec)
#include "tst_ArchiveCodec.moc"
