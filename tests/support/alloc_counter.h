// Counts every allocation the test program that links it makes through operator new.
#pragma once

// Allocations so far.
long AllocationCount();
