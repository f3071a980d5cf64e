// Stands in for chimewise-browser where a test starts it: appends its
// arguments, then each line it reads, to the file CHIMEWISE_STANDIN_LOG,
// each after its process id. It ends when stdin closes, or at the address
// "quit" as if its window closed; "fail" ends it with status 3, "crash"
// aborts it.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

namespace {

void show(const std::string &logged, const std::string &address)
{
    const char *path = std::getenv("CHIMEWISE_STANDIN_LOG");
    std::ofstream(path ? path : "standin.log", std::ios::app) << ::getpid() << ' ' << logged << std::endl;
    if (address == "quit")
        std::exit(0);
    if (address == "fail")
        std::exit(3);
    if (address == "crash")
        std::abort();
}

} // namespace

int main(int argc, char *argv[])
{
    std::string arguments;
    for (int i = 1; i < argc; ++i)
        arguments += (i > 1 ? " " : "") + std::string(argv[i]);
    show(arguments, argc > 1 ? argv[argc - 1] : "");
    for (std::string line; std::getline(std::cin, line);)
        show(line, line);
    return 0;
}
