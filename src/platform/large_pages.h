#pragma once

namespace palvren {

// Starts the program over, once, with the C library's allocator asked to back the heap with
// large pages (GLIBC_TUNABLES=glibc.malloc.hugetlb=1), as the first thing main does. The check
// holds a whole file's contacts in memory, and on some machines faulting in their small pages
// took as long as reading them. Where the environment already sets tunables, they are the
// person's and nothing is done; in the restarted program the setting is taken out of the
// environment again, so that programs it starts (the file browser) do not inherit it. Where the
// restart cannot be made, the program goes on as it started.
void restartWithLargePages(char** argv);

}  // namespace palvren
