#pragma once

// One helper for every test folder; it knows how each platform sets and removes a variable.
#include "tests/platform/scoped_environment.hpp"
