#pragma once

class CSourceMarks;

// The windows of the sources hear through this that a compile replaced the marks of its
// project's sources.
class CSourceMarksObserver {
public:
    virtual ~CSourceMarksObserver() = default;
    virtual void OnSourceMarksChanged(const CSourceMarks& marks) = 0;
};
