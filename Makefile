# The two commands of the README: `make run` and `make test`. Both install what is missing first.
# `make install` (PREFIX, DESTDIR) and `make deb` install the game as Debian installs games.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
DESTDIR ?=

PACKAGES := build-essential cmake pkg-config libsdl2-dev libpng-dev libjpeg-dev libfreetype-dev \
	libvorbis-dev libogg-dev liblz4-dev libcairo2-dev libgtest-dev googletest libbenchmark-dev \
	libebur128-dev clang-tidy \
	zlib1g-dev libgl1-mesa-dri libegl-mesa0 fonts-prociono fonts-league-spartan \
	fonts-ipafont-mincho xvfb xauth imagemagick desktop-file-utils appstream man-db
# What building the Debian package needs besides: dpkg-shlibdeps reads the program's libraries.
DEB_PACKAGES := dpkg-dev file

.PHONY: all build deps configure run test install deb clean

all: build

deps:
	@./tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR) && ./talvenne $(ARGS)

test: build
	cd $(BUILD_DIR) && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deb: build
	@./tools/install-deps.sh $(DEB_PACKAGES)
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
