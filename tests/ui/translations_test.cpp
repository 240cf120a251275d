// Qt's standard buttons speak Russian once the program has installed Qt's Russian catalogue, whatever the
// desktop's language (the test runs under the C locale).

#include <QtTest>

#include <QMessageBox>
#include <QPushButton>

#include "ui/translations.h"

using namespace liorna;

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsSpeakRussian();
};

namespace {

QString text(QMessageBox& box, QMessageBox::StandardButton which)
{
    QAbstractButton* button = box.button(which);
    return button ? button->text() : QString();
}

} // namespace

void TranslationsTest::standardButtonsSpeakRussian()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(app);
    {
        // Without the catalogue Qt's English shows, so the check below does see the catalogue's work.
        QMessageBox box(QMessageBox::Question, QStringLiteral("Лиорна"), QStringLiteral("?"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(text(box, QMessageBox::Ok), QStringLiteral("OK"));
        QCOMPARE(text(box, QMessageBox::Cancel), QStringLiteral("Cancel"));
    }
    QVERIFY(installQtTranslations(*app));
    QMessageBox box(QMessageBox::Question, QStringLiteral("Лиорна"), QStringLiteral("?"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    // Qt's Russian catalogue writes OK in Latin letters, as a Russian desktop shows it.
    QCOMPARE(text(box, QMessageBox::Ok), QStringLiteral("OK"));
    QCOMPARE(text(box, QMessageBox::Cancel), QStringLiteral("Отмена"));
    QMessageBox yesNo(QMessageBox::Question, QStringLiteral("Лиорна"), QStringLiteral("?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Close);
    QCOMPARE(text(yesNo, QMessageBox::Yes), QStringLiteral("&Да"));
    QCOMPARE(text(yesNo, QMessageBox::No), QStringLiteral("&Нет"));
    QCOMPARE(text(yesNo, QMessageBox::Close), QStringLiteral("Закрыть"));
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
