#pragma once

#include <QObject>

namespace zantrel {

class FactoryTab;
class ShellWindow;
class TForm11;

// "Korekta na wtryskiwacz" on the advanced tab: the dialog TForm11 edits the factory
// tab's holders of words 51 and 52, and "Wprowadź" writes them.
class IdleCorrectionUi final : public QObject {
    Q_OBJECT
public:
    IdleCorrectionUi(ShellWindow& window, TForm11& dialog, FactoryTab& factory);

    // The holders into the dialog, then the dialog, modally. True when written.
    bool Open();

private:
    void enter();

    TForm11& dialog_;
    FactoryTab& factory_;
};

} // namespace zantrel
