#include "ProcessRunner.h"

ProcessRunner::~ProcessRunner() = default;
