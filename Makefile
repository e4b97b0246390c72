# Thin wrapper around CMake and CTest. `make demo` and `make test` work as the first command on a
# fresh Debian 12 machine: both install what is missing, build, then run.

BUILD_DIR  ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
# Warnings are errors in every build made through this file, so CI and developers see the same thing.
WERROR     ?= ON
CTEST_ARGS ?=
# Where `make install` puts the program, its data, the libraries and the desktop files.
PREFIX     ?= /usr/local
# The 32-bit Windows build (`make windows`); its program folder is $(WIN_BUILD_DIR)/bin.
WIN_BUILD_DIR ?= $(BUILD_DIR)/windows
VERSION    := $(shell grep -m1 -o 'camdesk VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

# Debian packages the build, the tests, the demo and the tools need.
PACKAGES := build-essential cmake pkg-config \
    qtbase5-dev libqt5serialport5-dev libqt5charts5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n \
    g++-mingw-w64-i686 g++-mingw-w64-i686-posix nsis xdotool imagemagick libc6-i386 fonts-noto-cjk clang clang-format libclang-rt-14-dev xvfb \
    libudev-dev libx11-dev desktop-file-utils appstream dpkg-dev lintian \
    libavcodec-dev libavformat-dev libswscale-dev libavutil-dev ffmpeg \
    qemu-system-x86 busybox-static udev kmod cpio

CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCAMDESK_WERROR=$(WERROR) -DCAMDESK_WIN_BUILD_DIR=$(abspath $(WIN_BUILD_DIR))

.PHONY: all deps build test demo run bench soak fuzz clean format install package usbvm windows windows-run windows-installer

all: build

# i386: the Windows test runs a 32-bit Wine unpacked from i386 packages (tools/windows/wine32.sh).
deps:
	@./tools/deps.sh --arch=i386 $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: $(BUILD_DIR)/CMakeCache.txt
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps
	$(MAKE) build
	@# Without a Qt kit for Windows (exit 77) the Windows test says so and is skipped.
	WERROR=$(WERROR) ./tools/windows/build.sh $(BUILD_DIR) $(WIN_BUILD_DIR) $(JOBS) || [ $$? -eq 77 ]
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

demo: deps
	$(MAKE) build
	./tools/demo.sh $(BUILD_DIR)

run: deps
	$(MAKE) build
	cd $(BUILD_DIR)/bin && ./camdesk

bench: deps
	$(MAKE) build BUILD_TYPE=Release
	./bench/run.sh $(BUILD_DIR)

soak: deps
	$(MAKE) build
	./tools/soak.sh $(BUILD_DIR)

# Boots the USB test machine, plugs in a camera gadget and shows what the guest sees of it.
usbvm: deps
	$(MAKE) build
	./tools/usbvm/usbvm.sh $(BUILD_DIR) bash $(CURDIR)/tools/usbvm/tour.sh $(abspath $(BUILD_DIR))

fuzz: deps
	./fuzz/run.sh

install: deps
	$(MAKE) build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the default install (not the simulator) in $(BUILD_DIR), checked by lintian.
package: deps
	$(MAKE) build
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error $(BUILD_DIR)/camdesk_*.deb

# The 32-bit Windows program folder, cross-built against a Qt kit (CAMDESK_WIN_KIT, or ../shared/winkit).
windows: deps $(BUILD_DIR)/CMakeCache.txt
	WERROR=$(WERROR) ./tools/windows/build.sh $(BUILD_DIR) $(WIN_BUILD_DIR) $(JOBS)

# camdesk.exe under Wine, with the Windows build's own prefix (on a virtual X server without a display).
windows-run: windows
	./tools/windows/winrun.sh $(WIN_BUILD_DIR)

windows-installer: windows
	./tools/windows/installer.sh $(WIN_BUILD_DIR) $(VERSION)

clean:
	rm -rf $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
