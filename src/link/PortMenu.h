#pragma once

#include "link/ConnectionManager.h"

#include <QObject>

#include <functional>

namespace zantrel {

class LanguageStrings;
class Prompter;
class RegistrySettings;
class TForm1;
class TForm13;
class TForm14;

// The "Port" menu, the connecting window and the port chooser, driving the connection
// manager. The main window creates it once its secondary windows exist.
class PortMenu final : public QObject, public ConnectionView {
    Q_OBJECT
public:
    PortMenu(TForm1& window, EcuLink& link, EcuCommands& commands, const LanguageStrings& texts,
             Prompter& prompter, RegistrySettings& settings, std::function<void()> parameterRead);

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
    void StartParameterRead() override;

private:
    TForm1& window_;
    EcuLink& link_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    RegistrySettings& settings_;
    std::function<void()> parameterRead_;
    TForm13& connecting_;
    TForm14& chooser_;
    ConnectionManager manager_;
};

// The menu items COM1..COM8 by slot.
QString PortItemName(int slot);

} // namespace zantrel
