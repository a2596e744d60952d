#include "reports/ReportsUi.h"

#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

namespace zantrel::test {
namespace {

class ReportsWindowTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Start();
    }
    ReportsUi& reports() { return window->Reports(); }
    // The completeness test of the export wants every parameter field filled.
    void fillParameterFields()
    {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>())
            if (edit->objectName().startsWith(QStringLiteral("Edit")) && edit->text().isEmpty())
                edit->setText(QStringLiteral("1"));
    }
};

TEST_F(ReportsWindowTest, ReportOfTheScreenGoesToTheClipboardRichAndPlain)
{
    reports().ShowConfiguration();
    const QString shown = reports().Konsola->toPlainText();
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Konfiguracja sprzętowa:\t\t")));
    const auto* device = window->findChild<QLineEdit*>(QStringLiteral("EditUrzadzenie"));
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(shown.contains(u'\t' + device->text() + u'\n')) << shown.toStdString();
    reports().CopyToClipboard();
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), shown);
    EXPECT_TRUE(copied->hasHtml());
    EXPECT_TRUE(copied->html().contains(QStringLiteral("#ff0000"), Qt::CaseInsensitive));
}

TEST_F(ReportsWindowTest, ExportWritesTheFileOrSaysWhyNot)
{
    fillParameterFields();
    const QString path = workDir.filePath(QStringLiteral("excel.xls"));
    reports().SetExportFileChooser([path] { return path; });
    reports().Export();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith('\n'));
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_EQ(bytes.count('\n'), 52);
    EXPECT_TRUE(prompter.notices.empty());

    window->findChild<QWidget*>(QStringLiteral("LambaRodzajCzTemp"))->hide();
    reports().Export();
    QFile replaced(path); // the save replaces the file, not its old contents
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll().count('\n'), 51);

    reports().SetExportFileChooser([this] { return workDir.filePath(QStringLiteral("no/such/folder/excel.xls")); });
    reports().Export();
    ASSERT_EQ(prompter.notices.size(), 1u);
    EXPECT_EQ(prompter.notices[0].text, texts[Text::FileOperationFailed]);
}

} // namespace
} // namespace zantrel::test
