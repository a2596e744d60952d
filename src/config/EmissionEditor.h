#pragma once

#include <QChar>
#include <QObject>

namespace zantrel {

class ControllerImage;
class EditorScreen;
class LanguageStrings;
class LinkGate;
class Prompter;

// The tab "Emisja": "Odczytaj wszystko" reads the emission block into the image and
// its edits, "Zapisz wszystko" writes the edits and the five switches of word 47,
// "Zresetuj wszystko" writes the defaults of the block, the switches and the temperature
// table. Each runs as one job.
class EmissionEditor {
public:
    static constexpr const char* kStatus = "LabelEmisjaStan";

    EmissionEditor(ControllerImage& image, LinkGate& gate, EditorScreen& screen, Prompter& prompter,
                   const LanguageStrings& texts, QChar decimalSeparator);

    // Each is false when another job holds the link (nothing is sent).
    bool Read();
    // Nothing is sent when an edit holds no number of its unit: the user is told which.
    bool Save();
    // The edits keep their texts until the next read.
    bool Reset();

private:
    void showBlock();
    void selectSwitches();

    ControllerImage& image_;
    LinkGate& gate_;
    EditorScreen& screen_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    QChar decimalSeparator_;
    QObject lifetime_;
};

} // namespace zantrel
