// Calls into one library wait for a page operation that holds its lock;
// other libraries go on.
#include "binder_fixture.h"

#include <atomic>
#include <chrono>
#include <thread>

TEST_F(BinderTest, AWrapperWaitsForTheGuardOfItsLibraryOnly) {
    std::atomic<bool> finished{false};
    DeviceLibraryBinder::Guard pageOperation = binder.LockLibrary(DeviceLibrary::Qiro);
    std::thread worker([&] {
        binder.ReadKeyModeQiro();
        finished = true;
    });

    EXPECT_TRUE(binder.ReadKeyModeDolv()) << "another library is free";
    EXPECT_TRUE(binder.ReadKeyModeQiro()) << "the holder itself may go on";
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(finished);
    EXPECT_EQ(fake.CallsTo("Devcie_Get_Key_Mode_Qiro").size(), 1u);

    pageOperation.unlock();
    worker.join();
    EXPECT_TRUE(finished);
    EXPECT_EQ(fake.CallsTo("Devcie_Get_Key_Mode_Qiro").size(), 2u);
}
