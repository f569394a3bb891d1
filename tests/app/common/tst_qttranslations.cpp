// Qt's own texts follow the program's language: the buttons of a German question read "Ja" and
// "Nein", and switching to English and back replaces the translation instead of stacking it.
#include "common/QtTranslations.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using quendra::Language;
using quendra::app::qtTranslationsFolder;
using quendra::app::useQtTranslations;

class TestQtTranslations : public QObject {
    Q_OBJECT

    static QString yesButtonText() {
        QMessageBox box(QMessageBox::Question, "Quendra", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    }

private slots:
    void messageBoxButtonsFollowTheLanguage() {
        if (!QDir(qtTranslationsFolder()).exists("qtbase_de.qm")) {
            QSKIP("Qt's German translation is not installed here");
        }
        QVERIFY(useQtTranslations(Language::German));
        QCOMPARE(yesButtonText(), QString("&Ja"));
        QVERIFY(useQtTranslations(Language::English));
        QCOMPARE(yesButtonText(), QString("&Yes"));
        QVERIFY(useQtTranslations(Language::German));
        QVERIFY(useQtTranslations(Language::German));
        QCOMPARE(yesButtonText(), QString("&Ja"));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
