#include "ui/Program.h"

#include <QApplication>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char* argv[])
{
#ifdef __GLIBC__
    // A photograph's bytes (several megabytes) go back to the system when the next question
    // replaces them; glibc would otherwise raise its mmap threshold after the first such free
    // and keep later ones in a heap that fragments, adding a photograph or two to the peak.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    QApplication toolkit(argc, argv);
    return ui::runProgram();
}
