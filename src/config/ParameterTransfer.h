#pragma once

#include "link/ReadSequences.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace zantrel {

class ControllerImage;
class LanguageStrings;
class LinkGate;
class LinkJob;
class ParameterTable;
class Prompter;
enum class JobOutcome;

// What a transfer shows while it runs. The main window implements it with ProgressBar1,
// the window's note and its table-to-screen refresh.
class ParameterTransferView {
public:
    virtual ~ParameterTransferView() = default;

    virtual void SetProgressMaximum(int maximum) = 0; // with a step of 1
    virtual void SetProgressPosition(int position) = 0;
    virtual void StepProgress() = 0;
    // The table-to-screen refresh in its after-read form, of the words this read
    // received. It returns the words it set bits in that the controller must then be
    // told (they are written after it, in that order).
    virtual std::vector<int> RefreshAfterRead() = 0;
    // A note that stays in sight (the status field is rewritten by every live record).
    virtual void ShowNote(const QString& text) = 0;
};

// Stores the words a read received, and fills the bit-field shadows from those of them
// that have one: a word the read did not receive keeps its slot and its shadow.
void StoreParameterRead(ParameterTable& table, const ParameterReadout& words);

// Moves the ParameterTable between the program and the controller: the read of all 64
// words, the single-word write of every editor, the write of all words, and the factory
// reset with its default maps and correction tables.
//
// A single word is written at once, inside the caller's handler. The read-all, the
// write-all and the factory reset are jobs through the link gate: they start here and
// end later while the window goes on. Anything asked for while a job runs is refused
// (false) and sends nothing.
class ParameterTransfer {
public:
    static constexpr int kEditorPauseMs = 10;
    static constexpr int kHeatingPauseMs = 20; // words 41, 42, 43

    ParameterTransfer(LinkGate& gate, ControllerImage& image, ParameterTransferView& view, Prompter& prompter,
                      const LanguageStrings& texts);

    // ButtonOdczytajParam: reads words 0..63 (a rejected or missing reply keeps the slot;
    // a word still missing after the 64 reads is asked for once more), checks the
    // programmed marker (an unprogrammed controller is offered the factory reset), runs
    // the view's refresh and then the after-read job: the words the refresh set bits
    // in, and the reads added with AddAfterRead. Says in the window's note when words
    // stayed unanswered.
    bool ReadAll();
    // One word as the editors write it: the leading pause, then "K", "E", "D" with the
    // low 16 bits of its slot, then the trailing pause that a few editors end with. False
    // for a slot that is not a word (0..63) or while a job runs.
    bool WriteWord(int index, int leadingPauseMs = kEditorPauseMs, int trailingPauseMs = 0);
    // A bit-field editor's write: copies the shadow slot (64..67) into its word and
    // writes that word.
    bool WriteShadow(int slot, int leadingPauseMs = kEditorPauseMs);
    // ButtonZapisWszystkiego: words 63 down to 1, then word 0 as the programmed marker.
    bool WriteAll();
    // Factory values into the table and the controller, with default maps, emission
    // block and temperature table.
    bool FactoryReset();
    // ResetSystemu2: asks first; on Yes the factory reset, word 53 cleared, and a read-all.
    bool MenuReset();

    // Steps that follow every read-all once its words are written back: the map read,
    // the car-data read. Each call adds its steps to the after-read job; `ended` (if set)
    // runs once that job has completed, outside it (a question to the user goes there).
    void AddAfterRead(std::function<void(LinkJob& job)> steps, std::function<void()> ended = {});

    bool Busy() const;

private:
    bool start(LinkJob job, std::function<void(JobOutcome)> finished = {});
    void wordsRead(JobOutcome outcome);
    void refreshAndWriteBack(JobOutcome readOutcome);
    void addFactoryReset(LinkJob& job);
    void addResetMaps(LinkJob& job);
    void addResetEmission(LinkJob& job);
    void addResetTemperatureMap(LinkJob& job);

    LinkGate& gate_;
    ControllerImage& image_;
    ParameterTable& table_;
    ParameterTransferView& view_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    std::vector<std::function<void(LinkJob&)>> afterRead_;
    std::vector<std::function<void()>> afterReadEnded_;
    // The jobs of this transfer end with it.
    QObject lifetime_;
};

} // namespace zantrel
