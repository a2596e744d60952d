#include "app/LanguageTable.h"

namespace zantrel {

namespace {

constexpr LanguageRow kLanguages[] = {
    {1, "Polski1", "polski.txt", 1, "pl"},
    {2, "Angielski1", "angielski.txt", 1, "en"},
    {3, "Rosyjski1", "rosyjski.txt", 204, "ru"},
    {4, "Niemiecki1", "niemiecki1.txt", 1, "de"},
    {5, "Litewski1", "litewski.txt", 186, "lt"},
    {6, "Wloski1", "wloski.txt", 1, "it"},
    {7, "Serbski1", "serbski.txt", 1, "sr"},
    {8, "Chorwacki1", "chorwacki.txt", 238, "hr"},
    {9, "Turecki1", "turecki.txt", 162, "tr"},
    {10, "Rumunski1", "rumunski.txt", 1, "ro"},
    {11, "Bulgarski1", "bulgarski.txt", 204, "bg"},
    {12, "Francuski1", "francuski_dorvik.txt", 0, "fr"},
    {14, "Hiszpanski1", "hiszpanski.txt", 0, "es"},
};

} // namespace

std::span<const LanguageRow> Languages()
{
    return kLanguages;
}

const LanguageRow* LanguageForCode(int code)
{
    for (const LanguageRow& row : kLanguages)
        if (row.code == code)
            return &row;
    return nullptr;
}

} // namespace zantrel
