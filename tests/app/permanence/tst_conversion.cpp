// The conversion window over real files: captions in both languages, a Hamburg folder converted
// with backup and collect file, the backup question, the errors of the backup and the collect
// file, and a delimited text file with the question before its load file is replaced.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "game/StartUp.h"
#include "permanence/LoadSet.h"
#include "permanence/TKonvertierung.h"
#endif

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::MessageKind;
using quendra::app::TKonvertierung;

namespace {

// Answers every question as a test says.
class AnsweringHost : public quendra::apptest::TestHost {
public:
    bool askQuestion(const quendra::MessageBoxData& box) override {
        TestHost::askQuestion(box);
        return answer;
    }
    bool answer = false;
};

QByteArray hamburgFile(const QByteArray& entries) {
    return "Spielbank Hamburg\r\nTisch 2\r\n03.05.2024\r\n--------\r\n" + entries + "====\r\n";
}

} // namespace

class TestConversion : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root;
    QString perm; // the folder to convert
    std::unique_ptr<AnsweringHost> host;
    std::unique_ptr<quendra::Game> game;
    std::unique_ptr<TKonvertierung> window;

    template <typename Widget = QWidget>
    Widget* child(const QString& name) {
        auto* widget = window->findChild<Widget*>(name);
        if (!widget) {
            qFatal("no %s", qPrintable(name));
        }
        return widget;
    }
    QPushButton* convertButton() { return child<QPushButton>("Convert_BU"); }
    QString filesFound() { return child<QLabel>("Label3")->text(); }

    QString write(const QString& name, const QByteArray& content) {
        const QString path = perm + "/" + name;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            qFatal("cannot write %s", qPrintable(path));
        }
        file.write(content);
        return path;
    }
    QByteArray read(const QString& name) {
        QFile file(perm + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    bool exists(const QString& name) { return QFileInfo::exists(perm + "/" + name); }

    void open() {
        window = std::make_unique<TKonvertierung>(*game);
        window->setFolderChooser([this](QWidget*, const QString&) { return perm; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void chooseFolder() { QTest::mouseDClick(child<QLineEdit>("DirInfo"), Qt::LeftButton); }
    void click(const QString& name) {
        QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton);
    }
    // Two Hamburg files, the second with an entry that is no number.
    void writeTwoFiles() {
        write("H1.TXT", hamburgFile("7\r\n00\r\n----\r\n12\r\n"));
        write("H2.TXT", hamburgFile("3\r\nelf\r\n"));
    }

private slots:
    void init() {
        QVERIFY(root.isValid());
        perm = root.filePath("perm");
        QVERIFY(QDir(perm).removeRecursively() && QDir().mkpath(perm));
        host = std::make_unique<AnsweringHost>();
        game = std::make_unique<quendra::Game>(*host, 3);
        quendra::initialiseGameState(game->state(), root.path().toStdString());
        quendra::apptest::setUpBetting(*game, quendra::TableType::French);
    }

    void cleanup() { window.reset(); }

    void captionsAndTheOpenedWindow_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("German") << 0 << QStringList{"Konvertierung",
                                                    "Hamburg",
                                                    "Textdatei mit Trennzeichen",
                                                    "Originale sichern",
                                                    "Sammelladefile anlegen",
                                                    "Convert"};
        QTest::newRow("English") << 1 << QStringList{"Conversion",
                                                     "Hamburg",
                                                     "Text file with separators",
                                                     "Save originals",
                                                     "Create collect load file",
                                                     "Convert"};
    }
    void captionsAndTheOpenedWindow() {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        game->state().settings.Language = language;
        open();
        QCOMPARE(
            QStringList({window->windowTitle(), child<QRadioButton>("Hamburg")->text(),
                         child<QRadioButton>("Trennzeichen")->text(),
                         child<QCheckBox>("OriginalSAV")->text(),
                         child<QCheckBox>("SammelfileCreate")->text(), convertButton()->text()}),
            captions);
        QVERIFY(child<QRadioButton>("Hamburg")->isChecked());
        QVERIFY(child<QRadioButton>("Franz_Tisch")->isChecked());
        QVERIFY(!convertButton()->isEnabled());
        QCOMPARE(filesFound(), QString("0"));
        QCOMPARE(child<QLineEdit>("SammelNamenText")->text(), QString("SA1.SNP"));
        QVERIFY(!child<QLineEdit>("TextDatei")->isEnabled());
    }

    void theCollectFileBoxEmptiesAndDisablesItsFields() {
        open();
        child<QLineEdit>("SammelInfoText")->setText("Mai");
        click("SammelfileCreate");
        QVERIFY(!child<QLineEdit>("SammelNamenText")->isEnabled());
        QVERIFY(!child<QLabel>("SammelInfo")->isEnabled());
        QVERIFY(child<QLineEdit>("SammelNamenText")->text().isEmpty());
        QVERIFY(child<QLineEdit>("SammelInfoText")->text().isEmpty());
        click("SammelfileCreate");
        QVERIFY(child<QLineEdit>("SammelInfoText")->isEnabled());
    }

    void aHamburgFolderBecomesLoadFilesAndACollectFile() {
        writeTwoFiles();
        open();
        chooseFolder();
        QCOMPARE(filesFound(), QString("2"));
        QVERIFY(convertButton()->isEnabled());
        child<QLineEdit>("SammelInfoText")->setText("Hamburg Mai");
        click("Convert_BU");

        QCOMPARE(host->messages, (std::vector<int>{12, 11}));
        QCOMPARE(host->texts.front(), std::string("Konvertierungsfehler in der Datei: H2.TXT"));
        QCOMPARE(read("H1.inp"),
                 QByteArray("Spielbank Hamburg Tisch 2 03.05.2024 \r\n7\r\n0\r\n--\r\n12\r\n"));
        QCOMPARE(read("H2.inp"),
                 QByteArray("Spielbank Hamburg Tisch 2 03.05.2024 \r\n3\r\nError\r\n"));
        QCOMPARE(read("SA1.SNP"), QByteArray("//Hamburg Mai\r\nH1.inp\r\nH2.inp\r\n"));
        QVERIFY(exists("sav/H1.TXT") && exists("sav/H2.TXT"));
        QVERIFY(!exists("H1.TXT") && !exists("H2.TXT"));
        QCOMPARE(filesFound(), QString("0"));
        QVERIFY(!convertButton()->isEnabled());
    }

    void theBackupQuestionDecides_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("filesLeft");
        QTest::addColumn<QByteArray>("collect");
        QTest::newRow("No keeps the files") << false << "2" << QByteArray("H1.TXT\r\nH2.TXT\r\n");
        QTest::newRow("Yes converts") << true << "0" << QByteArray("H1.inp\r\nH2.inp\r\n");
    }
    void theBackupQuestionDecides() {
        QFETCH(bool, answer);
        QFETCH(QString, filesLeft);
        QFETCH(QByteArray, collect);
        writeTwoFiles();
        QVERIFY(QDir(perm).mkdir("sav"));
        host->answer = answer;
        open();
        chooseFolder();
        click("Convert_BU");
        QCOMPARE(host->kinds.front(), MessageKind::Question);
        QCOMPARE(host->messages.front(), 2);
        QCOMPARE(filesFound(), filesLeft);
        QCOMPARE(exists("H1.TXT"), !answer);
        QCOMPARE(read("SA1.SNP"), collect);
    }

    void errorsOfTheBackupAndTheCollectFile_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("filesLeft");
        QTest::newRow("backup folder cannot be created") << "sav is a dangling link" << 20 << "3";
        QTest::newRow("a copy fails") << "sav/H1.TXT is a folder" << 21 << "2";
        QTest::newRow("collect file cannot be created")
            << "collect in a missing folder" << 22 << "0";
    }
    void errorsOfTheBackupAndTheCollectFile() {
        QFETCH(QString, setUp);
        QFETCH(int, error);
        QFETCH(QString, filesLeft);
        writeTwoFiles();
        host->answer = true;
        if (setUp.startsWith("sav is")) {
            QVERIFY(QFile::link(perm + "/fehlt", perm + "/sav"));
        } else if (setUp.startsWith("sav/")) {
            QVERIFY(QDir(perm).mkpath("sav/H1.TXT"));
        }
        open();
        if (setUp.startsWith("collect")) {
            child<QLineEdit>("SammelNamenText")->setText("fehlt/S.SNP");
        }
        chooseFolder();
        click("Convert_BU");
        QCOMPARE(host->kinds.back(), MessageKind::Error);
        QCOMPARE(host->messages.back(), error);
        QCOMPARE(filesFound(), filesLeft);
        QCOMPARE(exists("H1.inp"), error == 22);
    }

    void aDelimitedFileBecomesALoadFile() {
        const QString source = write("t1.csv", "Datum;Zahl\r\n1.5.;7\r\n2.5.;00\r\n");
        open();
        QStringList starts;
        window->setFileChooser([&source, &starts](QWidget*, const QString& start) {
            starts << start;
            return source;
        });
        click("Trennzeichen");
        QVERIFY(!child<QLineEdit>("DirInfo")->isEnabled());
        QVERIFY(!convertButton()->isEnabled());
        QTest::mouseDClick(child<QLineEdit>("TextDatei"), Qt::LeftButton);
        QVERIFY(convertButton()->isEnabled());
        // The first choice starts where the load files are, the next one beside the last file.
        QTest::mouseDClick(child<QLineEdit>("TextDatei"), Qt::LeftButton);
        QCOMPARE(
            starts,
            (QStringList{QString::fromStdString(loadFileFolder(game->state()).string()), perm}));
        child<QLineEdit>("LadeInfoText")->setText("Wiesbaden Tisch 1");
        click("Convert_BU");
        QCOMPARE(read("t1.INP"), QByteArray("Wiesbaden Tisch 1\r\n7\r\n00\r\n"));
        QCOMPARE(host->kinds, (std::vector<MessageKind>{MessageKind::Info}));
        QVERIFY(QString::fromStdString(host->texts.back()).contains("2 Coups geschrieben."));
        QVERIFY(QString::fromStdString(host->texts.back()).contains("Zeile 2, Spalte 1: \"1.5.\""));

        // Again: the load file exists, and No keeps it.
        child<QLineEdit>("LadeInfoText")->setText("neu");
        click("Convert_BU");
        QCOMPARE(host->kinds, (std::vector<MessageKind>{MessageKind::Info, MessageKind::Question,
                                                        MessageKind::Error}));
        QCOMPARE(read("t1.INP"), QByteArray("Wiesbaden Tisch 1\r\n7\r\n00\r\n"));
        QVERIFY(exists("t1.csv"));
    }
};

QTEST_MAIN(TestConversion)
#include "tst_conversion.moc"
