#include "ui/frame/GlobalSignal.h"

CGlobalSignal* CGlobalSignal::GetInstance()
{
    static CGlobalSignal s_instance;
    return &s_instance;
}
