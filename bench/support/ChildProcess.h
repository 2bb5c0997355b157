#pragma once

#include <QFile>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A program run as a child process, as a script runs it, and what it cost.
struct Sample {
    double seconds;
    double cpuSeconds; // user and system time of the child
    long peakKb;
    int status;
};

// Runs the program with the arguments, standard input from `input` and standard output into
// `output`; measures the wall time and the child's peak resident memory.
inline Sample runProgram(
    const std::string& program, const std::vector<std::string>& arguments, const QString& input, const QString& output)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(QFile::encodeName(input).constData(), O_RDONLY);
        const int out = open(QFile::encodeName(output).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0)
            _exit(127);
        std::vector<char*> argv;
        std::string path = program;
        argv.push_back(path.data());
        std::vector<std::string> copies = arguments;
        for (std::string& a : copies)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return { seconds, cpu, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1 };
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline bool report(const char* what, double ratio, double limit)
{
    const bool ok = ratio <= limit;
    std::printf("%-40s %6.2f  (at most %.1f)  %s\n", what, ratio, limit, ok ? "ok" : "MISSED");
    return ok;
}
