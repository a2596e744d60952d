#pragma once

#include "image/CarDataBlock.h"
#include "service/CarDataTransfer.h"

#include <QObject>

#include <functional>
#include <memory>

class QPushButton;
class QWidget;

namespace zantrel {

class CodePage;
class ControllerImage;
class LanguageStrings;
class LinkGate;
class ParameterTransfer;
class ParameterTransferView;
class Prompter;
class ShellWindow;
class TForm5;

// The car data of the window: its read in every read-all and the question for a
// controller that has none, the car data dialog TForm5 with its three entries, the field
// checks, and the writes with "M" and "U" as jobs through the gate.
class CarDataUi final : public QObject {
    Q_OBJECT
public:
    enum class Entry {
        View,       // "Odczytaj Dane Samochodu Ze Sterownika": nothing editable
        EngineData, // "Zapisz Dane Samochodu do Sterownika": the four lists, words 62 and 63
        Full,       // ButtonDaneFull: every field, words 62 and 63 and then the block
    };

    // `closeProgram` ends the program when the user declines to enter the car data.
    CarDataUi(ShellWindow& window, TForm5& dialog, LinkGate& gate, ControllerImage& image,
              ParameterTransfer& transfer, ParameterTransferView& progress, const LanguageStrings& texts,
              Prompter& prompter, std::function<void()> closeProgram);

    QPushButton* ButtonDaneFull = nullptr;

    // Fills the dialog from the image and shows it modally; on "&Zapisz" the entry's
    // write starts. True when it was saved.
    bool Open(Entry entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addRead(LinkJob& job);
    void readEnded();
    void askForCarData();
    void fill();
    void enable(Entry entry);
    CarDataTexts dialogTexts() const;
    void showDate(const CarDataTexts& texts);
    EngineData dialogEngineData() const;
    void save();
    void write(Entry entry);
    bool enterKey(QWidget& control);
    const CodePage& codePage() const;

    ShellWindow& window_;
    TForm5& dialog_;
    LinkGate& gate_;
    ControllerImage& image_;
    ParameterTransferView& progress_;
    const LanguageStrings& texts_;
    Prompter& prompter_;
    std::function<void()> closeProgram_;
    Entry entry_ = Entry::View;
    // The block as the full entry will write it, built when the fields passed their checks.
    CarDataBlock saved_;
    std::shared_ptr<CarDataReadout> read_;
};

} // namespace zantrel
