#include "app/LanguageTable.h"

namespace zantrel {

namespace {

constexpr LanguageRow kLanguages[] = {
    {1, "Polski1", "polski.txt"},
    {2, "Angielski1", "angielski.txt"},
    {3, "Rosyjski1", "rosyjski.txt"},
    {4, "Niemiecki1", "niemiecki1.txt"},
    {5, "Litewski1", "litewski.txt"},
    {6, "Wloski1", "wloski.txt"},
    {7, "Serbski1", "serbski.txt"},
    {8, "Chorwacki1", "chorwacki.txt"},
    {9, "Turecki1", "turecki.txt"},
    {10, "Rumunski1", "rumunski.txt"},
    {11, "Bulgarski1", "bulgarski.txt"},
    {12, "Francuski1", "francuski_dorvik.txt"},
    {14, "Hiszpanski1", "hiszpanski.txt"},
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
