#include "config/ParameterFiles.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "config/ParameterFileComparison.h"
#include "config/ParameterFileLoad.h"
#include "config/ParameterTransfer.h"
#include "image/ControllerImage.h"
#include "image/ParameterWordIndex.h"
#include "link/EcuLink.h"
#include "link/LinkGate.h"
#include "link/LinkJob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zantrel {

QString WithParameterExtension(const QString& path)
{
    if (QFileInfo(path).suffix().isEmpty())
        return path + u'.' + QLatin1String(kParameterFileExtension);
    return path;
}

// Only the file's 258 bytes are read; what follows them is never looked at.
ParameterFileRead ReadParameterFile(const QString& path, const LanguageStrings& texts)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {std::nullopt, texts[Text::FileOperationFailed]};
    const QByteArray bytes = file.read(kParameterFileSize);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, texts[Text::FileOperationFailed]};
    std::optional<ParameterFileData> data = DecodeParameterFile(bytes);
    if (!data)
        return {std::nullopt, texts[Text::FileTooShort]};
    return {data, {}};
}

bool WriteParameterFile(const QString& path, const ParameterFileData& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = EncodeParameterFile(data);
    return file.write(bytes) == bytes.size() && file.commit();
}

ParameterFiles::ParameterFiles(LinkGate& gate, ControllerImage& image, ParameterTransfer& transfer,
                               ParameterFilesView& view, Prompter& prompter, const LanguageStrings& texts,
                               QString folder, QChar decimalSeparator)
    : gate_(gate)
    , image_(image)
    , transfer_(transfer)
    , view_(view)
    , prompter_(prompter)
    , texts_(texts)
    , folder_(std::move(folder))
    , decimal_(decimalSeparator)
{
}

bool ParameterFiles::Save()
{
    if (!view_.FormComplete()) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::FillAllFields]);
        return false;
    }
    QDir().mkpath(folder_);
    const std::optional<QString> path = view_.SavePath(folder_);
    return path && SaveTo(*path);
}

bool ParameterFiles::SaveTo(const QString& path)
{
    if (WriteParameterFile(WithParameterExtension(path), ParameterFileOf(image_.Parameters(), image_.Maps())))
        return true;
    prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
    return false;
}

std::optional<ParameterFileData> ParameterFiles::read(const QString& path)
{
    ParameterFileRead r = ReadParameterFile(path, texts_);
    if (!r.data)
        prompter_.Inform(texts_[Text::Error], r.error);
    return r.data;
}

bool ParameterFiles::LoadAndProgram()
{
    const std::optional<QString> path = view_.OpenPath(folder_);
    return path && LoadAndProgramFrom(*path);
}

bool ParameterFiles::LoadWithoutController()
{
    const std::optional<QString> path = view_.OpenPath(folder_);
    return path && LoadWithoutControllerFrom(*path);
}

bool ParameterFiles::LoadAndProgramFrom(const QString& path)
{
    if (gate_.Busy())
        return false;
    const std::optional<ParameterFileData> file = read(path);
    if (!file)
        return false;
    // Without an open port nothing could be written: the program keeps what it has.
    if (!gate_.Link().PortOpen()) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::NoConnection]);
        return false;
    }
    const ParameterFileComparison comparison =
        CompareParameterFile(image_.Parameters(), image_.Maps(), *file, texts_, decimal_);
    // The question pumps events: a job may have taken the link meanwhile, and the table
    // takes the file only for a load that starts.
    if (!view_.ConfirmLoad(ComparisonLines(comparison, texts_)) || gate_.Busy() || !gate_.Link().PortOpen())
        return false;
    LinkJob job;
    AddParameterFileLoad(job, *file, image_.Parameters(), image_.Maps(),
                         {[this](int maximum) { view_.SetProgressMaximum(maximum); },
                          [this](int position) { view_.SetProgressPosition(position); }});
    emit image_.ParametersChanged();
    emit image_.MapsChanged();
    view_.RefreshScreen();
    return gate_.Start(std::move(job), &lifetime_, [this](JobOutcome outcome) { loaded(outcome); });
}

// The controller is read back, so that the screen shows what it accepted.
void ParameterFiles::loaded(JobOutcome outcome)
{
    if (outcome == JobOutcome::Completed) {
        transfer_.ReadAll();
        return;
    }
    emit image_.MapsChanged();
    view_.ShowNote(texts_[Text::FileLoadStopped]);
    prompter_.Inform(texts_[Text::Error], texts_[Text::FileLoadStopped]);
}

bool ParameterFiles::LoadWithoutControllerFrom(const QString& path)
{
    const std::optional<ParameterFileData> file = read(path);
    if (!file)
        return false;
    ParameterTable& table = image_.Parameters();
    StoreFileWords(*file, table);
    table.ForgetKnown();
    table[ParameterTable::kShadow22] = table[kFlagsAWord];
    table[ParameterTable::kShadow47] = table[kFlagsBWord];
    StoreFileMaps(*file, image_.Maps(), true);
    emit image_.ParametersChanged();
    emit image_.MapsChanged();
    view_.RefreshScreen();
    return true;
}

} // namespace zantrel
