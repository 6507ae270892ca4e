// The identity and classmark elements that several families decode and
// render the same way.
#pragma once

#include "mm/classmark.h"
#include "mm/identity.h"
