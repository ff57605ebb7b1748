#pragma once

#include "platform/CString.h"

#include <functional>

namespace FileSystem {

// Tests stand in for what the disk would do: the hook is called as each replacing write is about
// to commit (its new file complete beside the target), with the target; a non-zero result makes
// the write fail with that errno (ENOSPC for a full disk), and the hook may end the process there
// as a kill would. An empty hook removes it.
using CommitHook = std::function<int(const CString& target)>;
void SetCommitHook(CommitHook hook);

} // namespace FileSystem
