#pragma once

// Milliseconds of the system's steady clock, which never goes back, for deadlines and paces.
long long SteadyMilliseconds();
