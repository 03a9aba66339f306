// SPDX-License-Identifier: GPL-3.0-or-later
// Scores a generated batch through `tenho-score --batch --json` and reports
// hands per second and the scorer's peak memory.
//
//   tenho_batch_bench PATH-TO-tenho-score [HANDS [ARGUMENT...]]
//
// The arguments after HANDS go to the scorer as well (`--jobs 1`).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "hand_generator.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-tenho-score [HANDS [ARGUMENT...]]\n", argv[0]);
        return 2;
    }
    const long hands = argc > 2 ? std::atol(argv[2]) : 100000;

    char inPath[] = "/tmp/tenho-batch-in-XXXXXX";
    char outPath[] = "/tmp/tenho-batch-out-XXXXXX";
    const int inFd = mkstemp(inPath);
    const int outFd = mkstemp(outPath);
    if (inFd < 0 || outFd < 0) {
        std::perror("mkstemp");
        return 1;
    }
    {
        tenho::bench::HandGenerator gen(2026);
        std::string buffer;
        for (long i = 0; i < hands; ++i) {
            buffer += gen.next();
            buffer += '\n';
            if (buffer.size() > (1 << 20) || i + 1 == hands) {
                if (write(inFd, buffer.data(), buffer.size()) !=
                    static_cast<ssize_t>(buffer.size())) {
                    std::perror("write");
                    return 1;
                }
                buffer.clear();
            }
        }
        lseek(inFd, 0, SEEK_SET);
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(inFd, 0);
        dup2(outFd, 1);
        std::vector<char*> args = {argv[1], const_cast<char*>("--batch"),
                                   const_cast<char*>("--json")};
        for (int i = 3; i < argc; ++i) args.push_back(argv[i]);
        args.push_back(nullptr);
        execv(argv[1], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    long lines = 0;
    long errors = 0;
    if (FILE* out = std::fopen(outPath, "r")) {
        char buf[4096];
        while (std::fgets(buf, sizeof buf, out)) {
            ++lines;
            if (std::string(buf).rfind("{\"error\"", 0) == 0) ++errors;
        }
        std::fclose(out);
    }
    unlink(inPath);
    unlink(outPath);

    std::printf("hands: %ld, answered: %ld (%ld refused entries)\n", hands, lines, errors);
    std::printf("time: %.3f s, %.0f hands per second\n", seconds,
                static_cast<double>(hands) / seconds);
    std::printf("peak memory of tenho-score: %.1f MB\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 2) ||
        lines != hands) {
        std::fprintf(stderr, "tenho-score failed (status %d) or missed lines\n", status);
        return 1;
    }
    return 0;
}
