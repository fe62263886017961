// make_contact_sheet <graphics folder> <sheet.png> [<mockup.png>]: pictures for
// reviewing the generated skin. They are written outside the repository.
#include <cstdio>

#include "sheet.hpp"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_contact_sheet <graphics folder> <sheet.png> [<mockup.png>]\n");
        return 2;
    }
    bool ok = kvx::WriteContactSheet(argv[1], argv[2]);
    if (argc == 4) ok = kvx::WriteMockup(argv[1], argv[3]) && ok;
    if (!ok) std::fprintf(stderr, "make_contact_sheet: could not write the pictures\n");
    return ok ? 0 : 1;
}
