// The dialog filters, the shell and the message box of the Qt host.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qt/FileFilter.h"
#include "platform/qt/QtMessageBoxService.h"
#include "platform/qt/QtShellService.h"

namespace {

TEST(FileFilterTest, PairsBecomeNameFilters)
{
    struct Case {
        const char* Filter;
        QStringList Expected;
    };
    const Case cases[] = {
        {"", {}},
        {"ビットマップ (*.bmp)|*.bmp", {QString::fromUtf8("ビットマップ (*.bmp) (*.bmp)")}},
        {"すべて|*.bmp;*.ico|Icons|*.ico", {QString::fromUtf8("すべて (*.bmp *.ico)"), "Icons (*.ico)"}},
        {"Any|*.*", {"Any (*)"}},
        {"Broken|*.bmp|Dangling", {"Broken (*.bmp)"}},
        {"Empty||Next|*.a", {"Next (*.a)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToNameFilters(QString::fromUtf8(c.Filter)), c.Expected) << c.Filter;
}

class ShellTest : public ::testing::Test {
protected:
    ShellTest() : shell([this](const QUrl& url) {
        opened.push_back(url);
        return openerSucceeds;
    })
    {
        QFile file(folder.filePath("quorvel_help.hlp"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }

    TShellExecuteRequest Request(const std::string& file, const std::string& verb = "Open")
    {
        TShellExecuteRequest request;
        request.Verb = verb;
        request.File = file;
        return request;
    }

    QTemporaryDir folder;
    std::vector<QUrl> opened;
    bool openerSucceeds = true;
    TQtShellService shell;
};

TEST_F(ShellTest, ARelativeNameIsLookedUpInTheCurrentFolder)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const std::intptr_t result = shell.ShellExecute(Request("quorvel_help.hlp"));
    QDir::setCurrent(previous);
    EXPECT_GT(result, 32);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(QDir(folder.path()).absoluteFilePath("quorvel_help.hlp")));
}

TEST_F(ShellTest, FailuresAreReportedAsSmallNumbers)
{
    TShellExecuteRequest inFolder = Request("quorvel_help.hlp");
    inFolder.Directory = folder.path().toStdString();
    EXPECT_GT(shell.ShellExecute(inFolder), 32);

    TShellExecuteRequest missing = Request("missing.hlp");
    missing.Directory = folder.path().toStdString();
    EXPECT_EQ(shell.ShellExecute(missing), SE_ERR_FNF);
    EXPECT_EQ(shell.ShellExecute(Request("")), SE_ERR_FNF);

    inFolder.Verb = "print";
    EXPECT_EQ(shell.ShellExecute(inFolder), SE_ERR_NOASSOC);
    inFolder.Verb = "open";
    openerSucceeds = false;
    EXPECT_EQ(shell.ShellExecute(inFolder), SE_ERR_NOASSOC);
}

TEST(MessageBoxTest, TheErrorBoxHasTheStopIconCaptionAndText)
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    TQtMessageBoxService boxes;
    EXPECT_EQ(boxes.MessageBox("ビットマップイメージが不正です", "Quorvel 画像分析", MB_OK | MB_ICONSTOP), IDOK);
    EXPECT_EQ(caption, QString::fromUtf8("Quorvel 画像分析"));
    EXPECT_EQ(text, QString::fromUtf8("ビットマップイメージが不正です"));
    EXPECT_EQ(icon, QMessageBox::Critical);
}

}  // namespace
