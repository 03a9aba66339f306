// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/run.h"

#include <cerrno>
#include <cstring>

#include "app/cli/batch.h"
#include "app/cli/help.h"
#include "app/cli/options.h"
#include "app/cli/output.h"
#include "app/cli/replay.h"
#include "app/cli/waits.h"
#include "model/utf8.h"

namespace tenho::cli {

namespace {

void complain(Output& err, std::string_view text)
{
    std::string line = "tenho-score: ";
    appendValidUtf8(line, text);
    line += '\n';
    err.write(line);
}

// One outcome of the command line: on standard output, except that an error
// goes to standard error unless JSON was asked for.
int report(const Outcome& o, bool json, Writer& out, Output& err)
{
    const bool error = o.kind == Outcome::Kind::Error;
    if (error && !json) {
        complain(err, o.message);
    } else {
        if (json)
            appendJson(out.buffer(), o);
        else
            appendPlain(out.buffer(), o, false);
        out.buffer() += '\n';
    }
    return error ? 2 : 0;
}

}  // namespace

int run(std::span<const std::string_view> args, Input& in, Output& out, Output& err)
{
    const ParseResult top = parseOptions(args);
    Writer writer(out);
    int status = 0;
    if (!top.error.empty()) {
        status = report(Outcome::error(top.error), top.json || top.waits, writer, err);
    } else if (top.help) {
        writer.buffer() = usage();
    } else if (top.version) {
        writer.buffer() = versionLine();
    } else if (!top.batch && top.jobs != 0) {
        status =
            report(Outcome::error("--jobs: only with --batch"), top.json || top.waits, writer, err);
    } else if (!top.batch) {
        HandReplay replay;
        status = top.waits ? report(answerWaits(replay, top.options), true, writer, err)
                           : report(replay.score(top.options), top.json, writer, err);
    } else if (!top.firstHandOption.empty()) {
        status = report(Outcome::error(std::string(top.firstHandOption) +
                                       ": not allowed with --batch (give the hands on "
                                       "standard input)"),
                        top.json || top.waits, writer, err);
    } else {
        const BatchOptions options{top.json, top.waits, top.jobs != 0 ? top.jobs : defaultJobs()};
        status = runBatch(options, in, writer, err);
    }
    writer.flush();
    if (const int e = writer.error(); e != 0) {
        // A closed pipe: the reader has gone, and nobody is left to tell.
        if (e != EPIPE) complain(err, std::string("standard output: ") + std::strerror(e));
        return 2;
    }
    return status;
}

}  // namespace tenho::cli
