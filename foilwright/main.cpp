// The foilwright process entry.
#include "foilwright/foilwright.h"

int main()
{
    program_kind = PROG_FOILWRIGHT;
    return foilwright::foilwright_main();
}
