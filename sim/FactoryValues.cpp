#include "sim/FactoryValues.h"

#include "sim/DefaultTables.h"

#include <array>

namespace zantrel::sim {

namespace {

constexpr quint16 sword(int v) { return quint16(qint16(v)); }

// Working time so far: 90061 s on petrol, 200000 s on gas, high word first.
constexpr quint32 kPetrolSeconds = 90061;
constexpr quint32 kGasSeconds = 200000;

} // namespace

std::span<const ParameterStart> ParameterStartTable()
{
    static const std::array<ParameterStart, 64> table{{
        {0, kProgrammedMarker, "programmed marker"},
        {1, 115, "gas enrichment, percent + 100"},
        {2, 610, "minimal gas injector opening, ticks"},
        {3, 92, "idle injection correction, signed ticks"},
        {4, 1, "petrol and gas cycles at change-over"},
        {5, 35, "reducer temperature for gas, C"},
        {6, 540, "injector holding current"},
        {7, 922, "injector peak current time, ticks"},
        {8, 7000, "maximal gas injection time, ticks"},
        {9, 0, "opaque"},
        {10, 300, "opaque"},
        {11, 3850, "opaque"},
        {12, 100, "turbo boost setting"},
        {13, 460, "gas injection delay, ticks"},
        {14, FactoryPeriod(1500), "change-over speed, period"},
        {15, 0, "opaque"},
        {16, 3000, "change-over delay, ms"},
        {17, 3850, "opaque"},
        {18, 1100, "return-to-petrol pressure code"},
        {19, 200, "opaque"},
        {20, 100, "return-to-petrol delay, 10 ms"},
        {21, kFactoryIgnitionType, "ignition type"},
        {22, 0x0020, "configuration flags A"},
        {23, 1039, "dynamic correction"},
        {24, 1152, "buzzer pressure code"},
        {25, 4096, "opaque"},
        {26, 2550, "opaque"},
        {27, 1850, "opaque"},
        {28, 1040, "opaque"},
        {29, 0, "opaque"},
        {30, 3750, "reserve threshold 1"},
        {31, 3400, "reserve threshold 2"},
        {32, 3100, "reserve threshold 3"},
        {33, 2200, "reserve threshold 4"},
        {34, 1500, "level refresh time, 10 ms"},
        {35, quint16(kPetrolSeconds >> 16), "petrol time, high word"},
        {36, quint16(kPetrolSeconds & 0xFFFF), "petrol time, low word"},
        {37, quint16(kGasSeconds >> 16), "gas time, high word"},
        {38, quint16(kGasSeconds & 0xFFFF), "gas time, low word"},
        {39, 100, "opaque"},
        {40, 2, "RPM signal filter"},
        {41, 5, "injector heating temperature, C"},
        {42, 20, "injector heating time, s"},
        {43, 300, "injector heating pulse, ticks"},
        {44, FactoryPeriod(6500), "maximal RPM, period"},
        {45, 1613, "petrol injection type"},
        {46, 2, "pressure filtering"},
        {47, 0, "configuration flags B"},
        {48, sword(-20), "reducer freezing cut-off, C"},
        {49, sword(-20), "cold gas cut-off, C"},
        {50, 50, "petrol injector signal filter"},
        {51, 0, "extra correction injectors"},
        {52, 0, "extra idle correction, signed ticks"},
        {53, 0, "falling change-over delta"},
        {54, 0x0000, "configuration flags C"},
        {55, 1, "lambda probe 1 type, 0 - 1 V"},
        {56, 1, "lambda probe 2 type, 0 - 1 V"},
        {57, 1, "injector heating strength"},
        {58, 0, "control settings, standard"},
        {59, FactoryTicks(1.0f), "low-RPM filter step, ticks"},
        {60, FactoryPeriod(1100), "low-RPM filter speed, period"},
        {61, FactoryTicks(4.0f), "low-RPM filter petrol time, ticks"},
        {62, 0, "opaque"},
        {63, 0, "opaque"},
    }};
    return table;
}

} // namespace zantrel::sim
