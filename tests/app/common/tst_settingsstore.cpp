// The settings record through QSettings: written, read back from disk and found where it belongs.
#include "common/QtSettingsStore.h"
#include "settings/Settings.h"
#include "settings/SettingsIo.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono;

namespace {

constexpr year_month_day Today{year{2024}, month{3}, day{9}};

bool everyFileExists(const std::string&) {
    return true;
}

// Values that a careless mapping onto ini text would bend: separators, quotes, comment marks,
// outer blanks, bytes above 127 and a name longer than 255 characters.
quendra::Settings awkwardSettings() {
    quendra::Settings s;
    s.Language = 1;
    s.PlayerCount = 4;
    s.InitialCapital = 5000000;
    s.YearStatistics = false;
    s.ClickSound = true;
    s.ResolutionIndex = 12;
    s.TimeBarDelay = 0;
    s.PieceValue = 1000;
    s.NextUpdateCheck = year_month_day{year{2025}, month{12}, day{1}};
    s.FrenchTable = false;
    s.PlayerFiles[0] = {"C:\\QUENDRA\\SYSTEM\\Martingale, rot.SYF", " a;b#c=d \"e\" "};
    s.PlayerFiles[3] = {"/home/spieler/Straße/sys.SYF", "\x80\x9F\xA4\xFF.OUT"};
    s.MainLoadFile = std::string(300, 'm') + ".txt";
    s.CollectLoadFile = "SYSIN/SA1.SNP";
    s.FollowLoadFiles[5] = "[Einstellungen]\\Tisch=0";
    s.DisplayCol = true;
    return s;
}

} // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void roundTripThroughTheFileGivesTheSameRecord() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("Quendra.ini");
        const quendra::Settings original = awkwardSettings();
        {
            quendra::app::QtSettingsStore store(path);
            quendra::WriteSettings(store, original);
            quendra::writeDisplayCol(store, original.DisplayCol);
        }
        quendra::app::QtSettingsStore store(path);
        quendra::Settings read;
        quendra::ReadSettings(store, read, Today, everyFileExists);
        read.DisplayCol = quendra::readDisplayCol(store);
        QVERIFY(read == original);
    }

    void valuesAreStringsInTheirSections() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("Quendra.ini");
        {
            quendra::app::QtSettingsStore store(path);
            quendra::WriteSettings(store, awkwardSettings());
            quendra::writeDisplayCol(store, true);
        }
        QSettings file(path, QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList({"Daten", "Einstellungen"}));
        QCOMPARE(file.value("Einstellungen/Tisch").typeId(), QMetaType::QString);
        QCOMPARE(file.value("Einstellungen/Tisch").toString(), QString("1"));
        QCOMPARE(file.value("Einstellungen/AuUp_NeDat").toString(), QString("01.12.2025"));
        QCOMPARE(file.value("Daten/DisplayCol").toString(), QString("1"));
    }

    void readsWhatAHandEditedFileHolds() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath("Quendra.ini");
        {
            QSettings file(path, QSettings::IniFormat);
            file.setValue("Einstellungen/Spieleranzahl", 3); // a number, not a string
            file.setValue("Einstellungen/Hauptladefile", QStringList({"a", "b.txt"}));
            file.setValue("Einstellungen/Sammelladefile", QString("Gewinn€.SNP"));
        }
        const quendra::app::QtSettingsStore store(path);
        QCOMPARE(store.read("Einstellungen", "Spieleranzahl"), std::optional<std::string>("3"));
        QCOMPARE(store.read("Einstellungen", "Hauptladefile"),
                 std::optional<std::string>("a, b.txt"));
        QCOMPARE(store.read("Einstellungen", "Sammelladefile"),
                 std::optional<std::string>("Gewinn\xE2\x82\xAC.SNP"));
        QCOMPARE(store.read("Einstellungen", "Tisch"), std::optional<std::string>());
        QCOMPARE(store.read("Daten", "Spieleranzahl"), std::optional<std::string>());
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
