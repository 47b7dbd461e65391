// Placeholder until the first tests land.
#include <gtest/gtest.h>
