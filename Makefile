# The two commands of the README, and a few conveniences. The Windows tests
# and the demo run from build/win32, or from build/win64 on a machine that
# runs no 32-bit programs (VT_WINE=auto|32|64, scripts/wine-mode.sh).
.PHONY: demo test build clean

demo:
	./scripts/deps.sh
	tree=$$(./scripts/wine-mode.sh --tree) && ./scripts/build.sh win32 $$tree
	./scripts/demo.sh

test:
	./scripts/test.sh

build:
	./scripts/deps.sh
	tree=$$(./scripts/wine-mode.sh --tree) && ./scripts/build.sh native native-asan win32 $$tree

clean:
	rm -rf build
