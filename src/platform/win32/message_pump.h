#pragma once
// Handling window messages while the thread is busy with something long.

namespace brisko::win32 {

// Dispatches what is waiting in this thread's queue. A WM_QUIT is taken out
// of the way so it cannot wake a wait again and again; the caller posts it
// back (PostQuitMessage(quitCode)) once its work is over. Returns false when
// one was seen.
bool PumpWaitingMessages(int& quitCode);

}  // namespace brisko::win32
