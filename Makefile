# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PACKAGES := build-essential cmake pkg-config libsdl2-dev libpng-dev libjpeg-dev libfreetype-dev \
	libvorbis-dev libogg-dev liblz4-dev libcairo2-dev libgtest-dev googletest libbenchmark-dev \
	libebur128-dev \
	zlib1g-dev libgl1-mesa-dri libegl-mesa0 fonts-prociono fonts-league-spartan \
	fonts-ipafont-mincho xvfb xauth imagemagick

.PHONY: all build deps configure run test clean

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

clean:
	rm -rf $(BUILD_DIR)
