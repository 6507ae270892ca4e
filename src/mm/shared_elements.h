// The identity and classmark elements that several families decode and
// render the same way.
#pragma once

#include "core/output.h"
#include "mm/classmark.h"
#include "mm/identity.h"

namespace l3 {

// Priority level (24.008 10.5.1.11): CM service, CC, RR and SI all carry it.
inline constexpr ValueText kCallPriorityTexts[] = {
    {0, "no priority applied"},   {1, "call priority level 4"}, {2, "call priority level 3"},
    {3, "call priority level 2"}, {4, "call priority level 1"}, {5, "call priority level 0"},
    {6, "call priority level B"}, {7, "call priority level A"},
};
static_assert(well_formed(kCallPriorityTexts));

}  // namespace l3
