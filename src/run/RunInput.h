#pragma once

// Where a captured run's standard input comes from.
enum class RunInput {
    None,  // nothing: the build tools read no input
    Pipe,  // a pipe the runner holds: what is sent to the run, until its input is ended
};
