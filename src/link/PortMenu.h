#pragma once

#include "link/ConnectionManager.h"
#include "link/LastPortStore.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace zantrel {

class LanguageStrings;
class Prompter;
class ShellWindow;
class TForm13;
class TForm14;

// The "Port" menu, the connecting window and the port chooser, driving the connection
// manager. The main window creates it once its secondary windows exist.
class PortMenu final : public QObject, public ConnectionView {
    Q_OBJECT
public:
    PortMenu(ShellWindow& window, TForm13& connecting, TForm14& chooser, QTimer& timerAutoconnect,
             EcuLink& link, EcuCommands& commands, ControllerImage& image, const LanguageStrings& texts,
             Prompter& prompter, LastPortStore& settings, std::function<void()> parameterRead);

    ConnectionManager& Manager() { return manager_; }
    // Shows the last port in the caption of the COM8 item.
    void ShowLastPort();
    // The "Ustaw ostatni port" item: the modal port chooser.
    void ChooseLastPort();

    void SetCaption(const QString& caption) override;
    void CheckPortItem(int slot) override;
    void ShowConnectingWindow() override;
    void CloseConnectingWindow() override;
    void SetConnectingStatus(const QString& text) override;
    void ShowMessage(const QString& text) override;
    void ShowLinkNote(const QString& text) override;
    void StartParameterRead() override;

private:
    ShellWindow& window_;
    QTimer& timerAutoconnect_;
    EcuLink& link_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    LastPortStore& settings_;
    std::function<void()> parameterRead_;
    TForm13& connecting_;
    TForm14& chooser_;
    QTimer timerReconnect_;
    ConnectionManager manager_;
};

// The menu items COM1..COM8 by slot.
QString PortItemName(int slot);

} // namespace zantrel
