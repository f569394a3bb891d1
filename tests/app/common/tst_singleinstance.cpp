// The single-instance guard: a second copy is refused while the first holds the lock, and a
// lock left behind by a copy that no longer runs does not block a new start.
#include "common/SingleInstance.h"

#include <QTemporaryDir>
#include <QtTest>

using quendra::app::SingleInstance;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void theLockIsNamedAfterTheProgramFileInLowerCase() {
        QCOMPARE(quendra::app::instanceLockName("/opt/Quendra/bin/Quendra"),
                 QString("quendra.lock"));
    }

    void aSecondCopyIsRefusedWhileTheFirstRuns() {
        QTemporaryDir folder;
        SingleInstance first("/usr/bin/quendra", folder.path());
        QVERIFY(first.acquire());
        QVERIFY(first.acquire()); // asking again keeps the lock

        SingleInstance second("/somewhere/else/QUENDRA", folder.path());
        QVERIFY(!second.acquire());
        QVERIFY(QFile::exists(first.lockFileName())); // the first copy's lock is untouched
        QVERIFY(first.acquire());
    }

    void aLockOfACrashedCopyDoesNotBlock() {
        QTemporaryDir folder;
        SingleInstance probe("quendra", folder.path());
        // What a copy that died leaves behind: a lock file naming a process that does not run.
        QFile stale(probe.lockFileName());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("2147483646\nquendra\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();

        SingleInstance next("quendra", folder.path());
        QVERIFY(next.acquire());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
