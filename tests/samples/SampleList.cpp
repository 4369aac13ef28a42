#include "SampleList.h"

#include "TestSupport.h"

std::string SamplesFolder()
{
    return testsupport::ExeFolder() + "..\\..\\..\\program\\Samples\\";
}
