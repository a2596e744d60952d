#pragma once

namespace zantrel {

class EcuCommands;
class LanguageStrings;
class ParameterTable;
class Prompter;

// What a transfer shows while it runs. The main window implements it with ProgressBar1
// and its table-to-screen refresh.
class ParameterTransferView {
public:
    virtual ~ParameterTransferView() = default;

    virtual void SetProgressMaximum(int maximum) = 0; // with a step of 1
    virtual void SetProgressPosition(int position) = 0;
    virtual void StepProgress() = 0;
    // The table-to-screen refresh in its after-read form; it runs after every read-all,
    // outside the transfer, so it may write words itself.
    virtual void RefreshAfterRead() = 0;
};

// Moves the ParameterTable between the program and the controller: the read of all 64
// words, the single-word write of every editor, the write of all words, and the factory
// reset with its default maps and correction tables. Every operation blocks for its
// protocol pauses. One transfer runs at a time: an operation asked for while another is
// under way (from a timer while a question box is open) is refused and returns false.
class ParameterTransfer {
public:
    static constexpr int kEditorPauseMs = 10;
    static constexpr int kHeatingPauseMs = 20; // words 41, 42, 43

    ParameterTransfer(EcuCommands& cmds, ParameterTable& table, ParameterTransferView& view,
                      Prompter& prompter, const LanguageStrings& texts);

    // ButtonOdczytajParam: reads words 0..63 (a rejected or missing reply keeps the
    // slot), checks the programmed marker (an unprogrammed controller is offered the
    // factory reset), then runs the view's refresh.
    bool ReadAll();
    // One word as the editors write it: the leading pause, then "K", "E", "D" with the
    // low 16 bits of its slot, then the trailing pause that a few editors end with. False
    // for a slot that is not a word (0..63).
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
    // True when the reset ran.
    bool MenuReset();

    bool Busy() const { return busy_; }

private:
    // Runs `work` unless another transfer is under way; false when refused.
    template <typename Work>
    bool exclusive(Work work);

    void readWords();
    void writeWord(int index, int leadingPauseMs, int trailingPauseMs = 0);
    void writeAll();
    void factoryReset();
    void resetMaps();
    void resetEmission();
    void resetTemperatureMap();

    EcuCommands& cmds_;
    ParameterTable& table_;
    ParameterTransferView& view_;
    Prompter& prompter_;
    const LanguageStrings& texts_;
    bool busy_ = false;
};

} // namespace zantrel
