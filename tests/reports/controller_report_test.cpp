#include "config/ParameterEditors.h"
#include "config/ParameterTransferUi.h"
#include "config/PlainEditorScreen.h"
#include "reports/ConfigurationReport.h"
#include "reports/ControllerScreenTexts.h"
#include "reports/ReportsUi.h"
#include "service/CarDataUi.h"
#include "service/CarDataWindow.h"

#include "sim/SimRig.h"
#include "support/MainWindowFixture.h"
#include "support/ModalDialog.h"

#include <QAction>
#include <QPushButton>
#include <QTextEdit>

namespace zantrel::test {
namespace {

// The window after a read-all of the simulated controller, and the same controller's
// report built without widgets, as the command line builds it.
class ControllerReportTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        Create(answering(false), &rig.link, &simTimer);
        Show();
        rig.link.SetConnected(true);
        window->AnswerShutdownQuestion(false);
    }

    QString withoutWidgets()
    {
        PlainEditorScreen screen;
        ParameterEditors editors(image.Parameters(), window->Transfer().Transfer(), screen, prompter, texts,
                                 window->EntrySeparators());
        static_cast<void>(editors.Refresh(true, image.Identity()));
        const ControllerScreenTexts shown({
            window->windowTitle(),
            [this](QStringView name) {
                const QAction* item = window->MenuItem(name.toString());
                return item ? item->text() : QString();
            },
            image.Identity(),
            image.SerialNumber(),
            image.CarData(),
            texts.Language(),
            screen,
            window->EntrySeparators().decimal,
        });
        return ReportPlainText(BuildScreenReport({shown, texts, QString()}));
    }

    QString ofTheWindow()
    {
        window->Reports().ShowConfiguration();
        return window->Reports().Konsola->toPlainText() + u'\n';
    }

    sim::test::SimRig rig;
    PauseStepTimer simTimer{rig.clock};
};

TEST_F(ControllerReportTest, TheReportWithoutWidgetsIsTheWindowsLineForLine)
{
    window->Transfer().ButtonOdczytajParam->click();
    QCoreApplication::processEvents();
    ASSERT_EQ(image.Parameters().KnownCount(), ParameterTable::kWords);
    // The window's report shows the car data as its dialog last showed them.
    WhenShown(*window->Form5, [this] { window->Form5->reject(); });
    window->CarData().Open(CarDataUi::Entry::View);

    const QStringList expected = ofTheWindow().split(u'\n');
    const QStringList actual = withoutWidgets().split(u'\n');
    ASSERT_EQ(actual.size(), expected.size());
    // The first line carries the time, which this side leaves out.
    for (qsizetype i = 1; i < expected.size(); ++i)
        EXPECT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
}

} // namespace
} // namespace zantrel::test
