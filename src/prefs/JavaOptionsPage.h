#pragma once

#include <string>

// Page "Java": the default switches of the runner and the compiler, free text, not checked.
class CJavaOptionsPage {
public:
    static constexpr const char* kTitle = "Java";

    struct CControls {
        std::string strJavaOptions;
        std::string strJavac;
    };

    CControls ToControls() const { return {m_strJavaOptions, m_strJavac}; }
    void FromControls(const CControls& controls)
    {
        m_strJavaOptions = controls.strJavaOptions;
        m_strJavac = controls.strJavac;
    }

    std::string m_strJavaOptions;
    std::string m_strJavac;
};
