#pragma once
// Turns VB's End into an exception for one test, so that code which ends the program
// can be tested: catch ProgramEnded (or QVERIFY_THROWS_EXCEPTION) and read its code.
namespace testsupport {

struct ProgramEnded {
    int code = 0;
};

class EndTrap {
public:
    EndTrap();
    ~EndTrap();   // back to ending the process
    EndTrap(const EndTrap&) = delete;
    EndTrap& operator=(const EndTrap&) = delete;

    int calls() const { return calls_; }   // how many times End was called

private:
    int calls_ = 0;
};

} // namespace testsupport
