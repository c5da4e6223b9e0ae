#pragma once

// Makes every test of the program start from the same state of the program's own clocks, as it
// would in a program of its own, whichever tests ran before it in the same process: the
// cooperative threads' time slice is the program's own and starts afresh, so the first yield of a
// test hands the turn on.
// Called once by the test program's main, before the tests run.
void StartEveryTestAfresh();
