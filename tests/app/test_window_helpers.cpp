// The window's smaller parts: the error box text, the text box limit, the
// progress view of the set scan and the help window.

#include "app/HelpWindow.h"
#include "app/LimitedTextEdit.h"
#include "app/WindowScanView.h"
#include "common/ui/ErrorMessage.h"

#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

class TestWindowHelpers : public QObject {
    Q_OBJECT

  private slots:
    void errorFullStop_data();
    void errorFullStop();
    void textLimit_data();
    void textLimit();
    void scanViewShowsAndHides();
    void helpContents_data();
    void helpContents();
};

void TestWindowHelpers::errorFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Stream read error"
                            << "Stream read error.";
    QTest::newRow("path") << "Cannot open file /a/C05.bmp"
                          << "Cannot open file /a/C05.bmp.";
    QTest::newRow("digit") << "Win32 Error.  Code: 5"
                           << "Win32 Error.  Code: 5.";
    QTest::newRow("slash sorts after the full stop") << "/"
                                                     << "/.";
    QTest::newRow("colon") << "Error:"
                           << "Error:.";
    QTest::newRow("non-ASCII letter") << QStringLiteral("não existe") << QStringLiteral("não existe.");
    QTest::newRow("already a full stop") << "Out of memory."
                                         << "Out of memory.";
    QTest::newRow("hyphen sorts before") << "a-"
                                         << "a-";
    QTest::newRow("closing bracket") << "(none)"
                                     << "(none)";
    QTest::newRow("exclamation mark") << "Stop!"
                                      << "Stop!";
    QTest::newRow("trailing blank") << "text "
                                    << "text ";
    QTest::newRow("empty") << ""
                           << "";
    // A failure on one file names it on the line below, without a full stop.
    QTest::newRow("file below") << "Stream read error\n/a/C05.bmp"
                                << "Stream read error.\n/a/C05.bmp";
}

void TestWindowHelpers::errorFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    const qsizetype lineBreak = message.indexOf(QLatin1Char('\n'));
    if (lineBreak < 0)
        QCOMPARE(FormatErrorMessage(message), shown);
    else
        QCOMPARE(FormatErrorMessage(message.left(lineBreak), message.mid(lineBreak + 1)), shown);
}

void TestWindowHelpers::textLimit_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursorAt");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("after");
    const QString full(300, QLatin1Char('x'));
    const QString almost(298, QLatin1Char('x'));
    QTest::newRow("fits") << "abc" << 3 << "def"
                          << "abcdef";
    QTest::newRow("typing at the limit is refused") << full << 300 << "y" << full;
    QTest::newRow("paste cut to what fits") << almost << 298 << "12345" << almost + "12";
    QTest::newRow("paste in the middle keeps the tail")
        << QString(297, QLatin1Char('a')) + "z" << 297 << "123" << QString(297, QLatin1Char('a')) + "12z";
    QTest::newRow("long paste into an empty box")
        << "" << 0 << QString(400, QLatin1Char('q')) << QString(300, QLatin1Char('q'));
}

void TestWindowHelpers::textLimit()
{
    QFETCH(QString, before);
    QFETCH(int, cursorAt);
    QFETCH(QString, inserted);
    QFETCH(QString, after);
    LimitedTextEdit edit(300);
    edit.setPlainText(before);
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(cursorAt);
    cursor.insertText(inserted);
    QCOMPARE(edit.toPlainText(), after);
}

void TestWindowHelpers::scanViewShowsAndHides()
{
    QWidget window;
    QLabel label(&window);
    label.setGeometry(70, 225, 66, 16);
    QProgressBar bar(&window);
    bar.hide();
    label.hide();
    WindowScanView view(&label, &bar);
    QStringList errors;
    view.setErrorList([&errors](const QString& line) { errors << line; });
    window.show();

    view.showProgress(QStringLiteral("Importando Conjunto"), 20);
    QVERIFY(label.isVisible());
    QVERIFY(bar.isVisible());
    QCOMPARE(label.text(), QStringLiteral("Importando Conjunto"));
    QCOMPARE(label.geometry().right(), 135); // grows to the left
    QCOMPARE(bar.maximum(), 20);
    view.setProgressRange(40);
    view.setProgressPosition(7);
    QCOMPARE(bar.maximum(), 40);
    QCOMPARE(bar.value(), 7);
    view.appendError(QStringLiteral("line 1"));
    view.appendError(QStringLiteral("line 2"));
    QCOMPARE(errors, QStringList({"line 1", "line 2"}));
    view.hideProgress();
    QVERIFY(!label.isVisible());
    QVERIFY(!bar.isVisible());
}

void TestWindowHelpers::helpContents_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");
    QTest::newRow("help file") << true << "Moving through the cards";
    QTest::newRow("missing file") << false << "Help not found";
}

void TestWindowHelpers::helpContents()
{
    QFETCH(bool, present);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString file = present ? QStringLiteral(TESSELLOR_SOURCE_DIR "/resources/Help/index.html")
                                 : dir.filePath(QStringLiteral("Help/index.html"));
    QWidget owner;
    HelpWindow* help = HelpWindow::showContents(&owner, file);
    QVERIFY(help->isVisible());
    QVERIFY(help->browser()->toPlainText().contains(expected));
    // Asking again reuses the one window.
    QCOMPARE(HelpWindow::showContents(&owner, file), help);
}

QTEST_MAIN(TestWindowHelpers)
#include "test_window_helpers.moc"
