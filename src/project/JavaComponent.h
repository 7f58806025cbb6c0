#pragma once

class CArchive;

// The root of everything a project is made of; each component writes and reads its own record.
class CJavaComponent {
public:
    CJavaComponent() = default;
    virtual ~CJavaComponent() = default;
    CJavaComponent(const CJavaComponent&) = delete;
    CJavaComponent& operator=(const CJavaComponent&) = delete;

    virtual void Serialize(CArchive& ar) = 0;
};
