#include "reports/ControllerScreenTexts.h"

#include "base/CodePage.h"
#include "config/ParameterTabRows.h"
#include "config/PlainEditorScreen.h"
#include "image/CarDataBlock.h"
#include "image/ControllerIdentity.h"
#include "maps/MapTexts.h"
#include "service/CarDataCodec.h"
#include "service/DeviceData.h"
#include "service/ExtraIdleCorrection.h"

namespace zantrel {

namespace {

// The car dialog's four lists by objectName, with the item each shows.
struct CarList {
    const char* name;
    int EngineData::*item;
    QStringList (*items)(QChar decimalSeparator);
};

QStringList layoutItems(QChar) { return CylinderLayoutItems(); }
QStringList countItems(QChar) { return CylinderCountItems(); }

constexpr CarList kCarLists[] = {
    {"ComboBox2", &EngineData::layout, &layoutItems},
    {"ComboBox3", &EngineData::count, &countItems},
    {"ComboBox1", &EngineData::capacity, &CapacityItems},
    {"ComboBox4", &EngineData::nozzle, &NozzleItems},
};

} // namespace

QString ControllerScreenTexts::Text(QStringView name) const
{
    if (name == u"Caption")
        return s_.caption;
    if (QString item = s_.menuCaption(name); !item.isEmpty())
        return item;
    const QString object = ScreenObjectName(name);
    if (InCarDialog(name))
        return carDialogText(object);
    if (QString device = deviceText(object); !device.isEmpty())
        return device;
    for (const std::span<const NamedCaption> captions : {MapKindButtons(), ExtraCorrectionLabels()})
        if (QString caption = CaptionNamed(captions, object); !caption.isEmpty())
            return caption;
    if (QString label = LabelCaption(object); !label.isEmpty())
        return label;
    return s_.editors.Text(object.toLatin1().constData());
}

int ControllerScreenTexts::ItemIndex(QStringView name) const
{
    return s_.editors.Item(ScreenObjectName(name).toLatin1().constData());
}

bool ControllerScreenTexts::Shown(QStringView name) const
{
    return s_.editors.Shown(ScreenObjectName(name).toLatin1().constData());
}

QString ControllerScreenTexts::carDialogText(const QString& object) const
{
    const CarDataTexts texts = CarDataTextsOf(s_.carData, CodePage::Of(CodePageOfLanguage(s_.language)));
    for (const CarDataFieldSpec& field : CarDataFields())
        if (object == QLatin1String(field.control))
            return texts[size_t(field.field)];
    const CarDataBlock& block = s_.carData;
    const EngineData engine =
        block.engine && block.capacity ? EngineDataOf(*block.engine, *block.capacity) : kEngineDataDefaults;
    for (const CarList& list : kCarLists)
        if (object == QLatin1String(list.name))
            return list.items(s_.decimalSeparator).value(engine.*list.item);
    return CaptionNamed(CarDataLabels(), object);
}

QString ControllerScreenTexts::deviceText(const QString& object) const
{
    const DeviceTexts device = DeviceTextsOf(s_.identity);
    const std::pair<const char*, QString> fields[] = {
        {"EditUrzadzenie", device.device},
        {"EditOprogramowanie", device.software},
        {"EditLiczbaCyl", device.cylinders},
        {"EditSerialNumber", s_.serialNumber ? QString::number(*s_.serialNumber) : QString()},
    };
    for (const auto& [name, text] : fields)
        if (object == QLatin1String(name))
            return text;
    return CaptionNamed(DeviceDataLabels(), object);
}

} // namespace zantrel
