// Serves a folder with scripts/web-serve.py on 127.0.0.1, compressed as the browser accepts, until
// this process exits. Resolves to its address and the log lines of requests answered with an error.
import { spawn } from 'node:child_process';
import { fileURLToPath } from 'node:url';

export async function serve(dir) {
  const server = spawn('python3', [fileURLToPath(new URL('../../scripts/web-serve.py', import.meta.url)), dir, '0']);
  process.on('exit', () => server.kill());
  const errors = [];
  server.stderr.on('data', (log) => errors.push(...`${log}`.split('\n').filter((line) => / [45]\d\d /.test(line))));
  const base = await new Promise((resolve) => server.stdout.once('data', (line) => resolve(`${line}`.trim())));
  // Serving keeps no script running: it ends with the script's own work.
  for (const handle of [server, server.stdout, server.stderr]) handle.unref();
  return { base, errors };
}
