#pragma once

#include "image/CarDataBlock.h"
#include "image/ControllerIdentity.h"
#include "image/EmissionBlock.h"
#include "image/InjectionMaps.h"
#include "image/ParameterTable.h"
#include "image/TemperatureTable.h"
#include "image/WorkingTime.h"

#include <QObject>

#include <optional>

namespace zantrel {

// The program's one image of the controller: what it has read from it, what the editors
// have changed and written, and who it is. Owned by main and lent to the windows, so a
// test builds a fresh one. Each part has a signal that its writers emit once a change of
// theirs is complete (a read-all, a reset, a file load), so that the readers of the whole
// image (reports, export, files, replay) see it whole.
class ControllerImage final : public QObject {
    Q_OBJECT
public:
    explicit ControllerImage(QObject* parent = nullptr) : QObject(parent) {}

    ParameterTable& Parameters() { return parameters_; }
    const ParameterTable& Parameters() const { return parameters_; }

    InjectionMaps& Maps() { return maps_; }
    const InjectionMaps& Maps() const { return maps_; }

    const ControllerIdentity& Identity() const { return identity_; }
    void SetIdentity(const ControllerIdentity& identity)
    {
        identity_ = identity;
        emit IdentityChanged();
    }

    // The counters live in parameter words 35..38; their own read emits CountersChanged.
    WorkingTime Counters() const { return WorkingTimeOf(parameters_); }

    const CarDataBlock& CarData() const { return carData_; }
    void SetCarData(const CarDataBlock& carData)
    {
        carData_ = carData;
        emit CarDataChanged();
    }

    // The temperature enrichment table and the emission block, as last read, preset or
    // written; their writers emit the signal below once the copy is whole.
    TemperatureTable& Temperatures() { return temperatures_; }
    const TemperatureTable& Temperatures() const { return temperatures_; }
    EmissionBlock& Emission() { return emission_; }
    const EmissionBlock& Emission() const { return emission_; }

    // Extended word 61 as last read or written; none before the first.
    std::optional<quint16> SerialNumber() const { return serialNumber_; }
    void SetSerialNumber(quint16 serial)
    {
        serialNumber_ = serial;
        emit SerialNumberChanged();
    }

signals:
    void ParametersChanged();
    void MapsChanged();
    void IdentityChanged();
    void CountersChanged();
    void CarDataChanged();
    void SerialNumberChanged();
    void TemperaturesChanged();
    void EmissionChanged();

private:
    ParameterTable parameters_;
    InjectionMaps maps_;
    ControllerIdentity identity_;
    CarDataBlock carData_;
    TemperatureTable temperatures_;
    EmissionBlock emission_{};
    std::optional<quint16> serialNumber_;
};

} // namespace zantrel
