# The two commands of the README, and a few conveniences.
.PHONY: demo test build clean

demo:
	./scripts/deps.sh
	./scripts/build.sh win32
	./scripts/demo.sh

test:
	./scripts/test.sh

build:
	./scripts/deps.sh
	./scripts/build.sh native native-asan win32

clean:
	rm -rf build
