// The main window and its dialogs as a user drives them, against the demo service over loopback.
// Each scenario is what a user does and what the window shows meanwhile (see WindowHarness::run).
#include "app/appfont.h"
#include "platform/qtmessageboxes.h"
#include "table.h"
#include "windowharness.h"

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyApplicationFont(); }

    void scenarios_data()
    {
        tableRows(R"(
start-up: start ; show statusBar,deliveryStatusLabel,changeNoticeLabel,locked,updateCheckTimer,companyBox,range:companyBox,
  hourBox,range:hourBox,minuteBox,range:minuteBox,intervalBox,
  range:intervalBox,panel,inputsFrame,sounds,skin,columns,tray => statusBar=查询提示：,程序检测更新中..,Mirovel出品,14:05 | deliveryStatusLabel=快件状态：未查询
  | changeNoticeLabel=是否更新：未查询 #000000 | locked=numberBox,queryButton | updateCheckTimer=on | companyBox= | range:companyBox=AAE快递..中邮物流 (127)
  | hourBox=0 | range:hourBox=0..23 (24) | minuteBox=0 | range:minuteBox=0..59 (60) | intervalBox= | range:intervalBox=1..360 (360)
  | panel=schedulePanel at 16,120 | inputsFrame=物流信息 [当前支持:127家物流公司]F8快捷粘贴单号 | sounds=orvo.mp3 | skin=skinh.she -157
  | columns=96,133,347 | tray=none
in English, nothing clipped: english ; update <html></html> ; put wlnum.ini=7770001|顺丰快递\r\n ; start ; tick updateCheckTimer
  ; show queryButton,box,tip:minuteUnit ; clipped ; query 顺丰快递 9876543210 ; click toLoopButton ; clipped ; popular zhongtongButton
  ; show deliveryStatusLabel,companyBox ; answer 8=rows:1 ; elsewhere ; query 顺丰快递 8 ; answer 8=rows:2 ; query 顺丰快递 8
  ; show notified ; click overviewButton ; batch 7770001 ; show headers ; clipped ; clipped aboutButton ; clipped outletButton
  ; clipped companySearchButton => queryButton=Track | box=Orvo software: The update check failed! Please try again later; this version
  stays in use [icon 1, buttons 1, default 0] | tip:minuteUnit=minute | Quillon V3 - no more worrying about my parcels~ clipped none
  | Quillon V3 - no more worrying about my parcels~ clipped none | deliveryStatusLabel=Status: Delivering | companyBox=中通快递
  | notified=[8\n顺丰快递] Parcel moved/顺丰快递 8\nT2 P2 | headers=Number,Note,Courier,Status,Latest step,Steps,Last asked,Moved
  | Add numbers clipped none | All parcels clipped none | Quillon V3 - no more worrying about my parcels~ clipped none
  | About clipped none | Outlet lookup clipped none | Find a courier clipped none
columns locked: start ; resize ; show columns => columns=96,133,347
update current: update V3.0\r\n ; start ; tick updateCheckTimer ; show message,boxes,locked,updateCheckTimer,sent,forum,exit
  => message=程序已加载完毕... | boxes= | locked= | updateCheckTimer=off | sent=/orvoupd/zephyr/jc.txt | forum= | exit=
update newer, in GBK: serve update=gbk ; update V3.1版 ; start ; tick updateCheckTimer ; show message,box,locked,updateCheckTimer,forum,exit
  => message=程序已加载完毕... | box=Tiko提示: 发现最新版本![V3.1版]\r\n \r\n确定后自动打开官方论坛! [icon 0, buttons 1, default 0] | locked=numberBox,queryButton
  | updateCheckTimer=off | forum=http://forum.invalid/bbs/ | exit=0
update fails, the overview active: update <html></html> ; start ; click overviewButton ; tick updateCheckTimer
  ; show message,tip:messagePanel,box,boxOwner,locked,forum,exit => message=程序已加载完毕... | tip:messagePanel=更新文件内容无效
  | box=Orvo系列软件: 检测更新失败!请您稍后再试,暂时使用原版 [icon 1, buttons 1, default 0] | boxOwner=MainWindow | locked= | forum= | exit=
signed for: ready ; query 顺丰快递 5550001111 ; query 顺丰快递 1234567890 ; show message,deliveryStatusLabel,changeNoticeLabel,locked,rows,top,bottom,colours,
  sounds,sent,file:wlnum.ini,entries => message=查询完毕... | deliveryStatusLabel=快件状态：已签收 | changeNoticeLabel=是否更新：有更新 #ff0000
  | locked= | rows=7 | top=1|2026-11-28 09:12:05|【上海市浦东新区】已签收，签收人：前台代收，感谢使用
  | bottom=7|2026-11-25 18:40:11|【广州市白云区】快件已揽收，揽收员：陈师傅 | colours=- red red - - -
  | sounds=orvo.mp3,ts.mp3,ts.mp3 | sent=/?com=shunfeng&nu=1234567890&id=3C7E1A90B4D25F6E8A0C19D7E25B4F31&type=html
  | file:wlnum.ini=5550001111|顺丰快递\r\n1234567890|顺丰快递\r\n | entries=5550001111|顺丰快递,1234567890|顺丰快递
fewer rows: ready ; answer 2=<tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>正在派件</td></tr> ; query 顺丰快递 5550001111
  ; query 顺丰快递 2 ; show deliveryStatusLabel,changeNoticeLabel,sounds => deliveryStatusLabel=快件状态：派件中 | changeNoticeLabel=是否更新：无更新 #000000
  | sounds=orvo.mp3,ts.mp3
number refused: ready ; query 顺丰快递 5550001111 ; focus exportButton ; query 顺丰快递 000 ; show message,deliveryStatusLabel,changeNoticeLabel,locked,numberBox,focus,
  rows,file:wlnum.ini => message=单号格式错误!请检查! | deliveryStatusLabel=快件状态：未查询 | changeNoticeLabel=是否更新：有更新 #ff0000 | locked=
  | numberBox= | focus=numberBox | rows=0 | file:wlnum.ini=5550001111|顺丰快递\r\n
company refused: ready ; answer 3=<p>不支持的快递公司</p> ; focus exportButton ; query 顺丰快递 3 ; show message,numberBox,focus,file:wlnum.ini
  => message=系统问题,暂不支持当前快递公司! | numberBox=3 | focus=exportButton | file:wlnum.ini=(none)
no answer: ready ; query 顺丰快递 5550001111 ; serve tracking=e404 ; query 顺丰快递 1234567890 ; show message,tip:messagePanel,deliveryStatusLabel,changeNoticeLabel,
  locked,rows,sounds,file:wlnum.ini ; serve tracking=normal ; query 顺丰快递 8880001 ; show tip:messagePanel
  => message=查询失败,请检查网络后重试! | tip:messagePanel=服务器返回HTTP错误404 | deliveryStatusLabel=快件状态：未查询
  | changeNoticeLabel=是否更新：有更新 #ff0000 | locked= | rows=0 | sounds=orvo.mp3,ts.mp3 | file:wlnum.ini=5550001111|顺丰快递\r\n
  | tip:messagePanel=
no rows: ready ; query 顺丰快递 8880001 ; show message,changeNoticeLabel,locked,file:wlnum.ini
  => message=暂无物流信息! | changeNoticeLabel=是否更新：未查询 #000000 | locked= | file:wlnum.ini=8880001|顺丰快递\r\n
history not written: ready ; limit 5 ; query 顺丰快递 1234567890 ; limit 0 ; show message,rows,entries,file:wlnum.ini
  => message=单号记录保存失败! | rows=7 | entries=1234567890|顺丰快递 | file:wlnum.ini=(none)
more rows than 16 bits count: ready ; answer 9=rows:70000 ; query 顺丰快递 9 ; show rows,top,bottom
  => rows=70000 | top=1|T70000|P70000 | bottom=70000|T1|P1
no number: ready ; focus exportButton ; query 顺丰快递  ; show message,focus,requests => message=请输入快递单号! | focus=numberBox | requests=1
the paste hint: ready ; query 顺丰快递 双击文本可粘贴单号 ; show message,numberBox,focus,requests
  => message=请输入快递单号! | numberBox= | focus=numberBox | requests=1
no company: ready ; focus exportButton ; query - 123 ; show message,focus,numberBox,requests
  => message=请选择快递公司! | focus=companyBox | numberBox=123 | requests=1
typing goes to the number box once the update check ends, unless the focus moved: start ; show focus ; tick updateCheckTimer
  ; show focus ; start ; focus companyBox ; tick updateCheckTimer ; show focus => focus=deleteNumberButton | focus=numberBox | focus=companyBox
before the update check: start ; query 顺丰快递 1234567890 ; show requests,message => requests=0 | message=程序检测更新中..
change notice: put wlnum.ini=1|顺丰快递\r\n ; ready ; answer 1=rows:7 ; query 顺丰快递 1 ; show changeNoticeLabel ; query 顺丰快递 1 ; show changeNoticeLabel
  ; answer 1=rows:8 ; query 顺丰快递 1 ; serve tracking=e404 ; query 顺丰快递 1 ; show changeNoticeLabel ; serve tracking=normal ; answer 1=rows:12
  ; query 顺丰快递 1 ; answer 1=rows:5 ; query 顺丰快递 1 ; show changeNoticeLabel ; focus numberBox ; key Down ; query 顺丰快递 1 ; show changeNoticeLabel,sounds
  => changeNoticeLabel=是否更新：有更新 #ff0000 | changeNoticeLabel=是否更新：无更新 #000000 | changeNoticeLabel=是否更新：有更新 #ff0000
  | changeNoticeLabel=是否更新：无更新 #000000 | changeNoticeLabel=是否更新：有更新 #ff0000 | sounds=orvo.mp3,ts.mp3,ts.mp3,ts.mp3,ts.mp3
pick: put wlnum.ini=1234567890|中通快递\r\n ; ready ; pick 申通快递 ; focus numberBox ; key Down ; show numberBox,companyBox ; click queryButton
  ; show code => numberBox=1234567890 | companyBox=中通快递 | code=zhongtong
pick, company unknown: put wlnum.ini=888|不存在的公司\r\n ; ready ; pick 申通快递 ; focus numberBox ; key Down
  ; show numberBox,companyBox ; click queryButton ; show code => numberBox=888 | companyBox=申通快递 | code=shentong
code does not pick: put wlnum.ini=1|中通快递\r\n ; ready ; pick 申通快递 ; select numberBox=0 ; type 1|中通快递 ; show companyBox
  => companyBox=申通快递
delete equal numbers only: put wlnum.ini=3124|a\r\n12|b\r\n ; ready ; type 12 ; click deleteNumberButton ; show box,file:wlnum.ini,
  entries,numberBox,message => box=Orvo系列软件: 确定要删除[12]此单号码? [icon 0, buttons 6, default 2]
  | file:wlnum.ini=3124|a\r\n | entries=3124|a | numberBox= | message=程序已加载完毕...
delete the only entry: put wlnum.ini=7|a\r\n ; ready ; type 7 ; click deleteNumberButton ; show file:wlnum.ini,entries,numberBox
  => file:wlnum.ini= | entries= | numberBox=
delete none of it: put wlnum.ini=7|a ; ready ; type 9 ; click deleteNumberButton ; show file:wlnum.ini,numberBox => file:wlnum.ini=7|a\r\n | numberBox=
delete line breaks only: put wlnum.ini=|a\r\n\r\n7|b\n ; ready ; type \r\n ; click deleteNumberButton ; show box,file:wlnum.ini,entries
  => box=Orvo系列软件: 确定要删除[\r\n]此单号码? [icon 0, buttons 6, default 2] | file:wlnum.ini=|a\r\n\r\n7|b\n | entries=|a,,7|b
delete answered No: put wlnum.ini=7|a ; ready ; type 7 ; reply No ; click deleteNumberButton ; show file:wlnum.ini,numberBox
  => file:wlnum.ini=7|a | numberBox=7
delete from an empty box: put wlnum.ini=7|a ; ready ; click deleteNumberButton ; show box,file:wlnum.ini
  => box=Orvo系列软件: 请先选择要删除的单号! [icon 0, buttons 1, default 0] | file:wlnum.ini=7|a
delete not written: put wlnum.ini=7|a\r\n8|b\r\n ; ready ; type 7 ; limit 3 ; click deleteNumberButton ; limit 0
  ; show message,entries,file:wlnum.ini => message=单号记录保存失败! | entries=8|b | file:wlnum.ini=7|a\r\n8|b\r\n
clear: put wlnum.ini=7|a\r\n8|b\r\n ; ready ; type 7 ; click clearHistoryButton ; show box,message,entries,numberBox,file:wlnum.ini
  => box=Orvo系列软件: 确定要清空查询列表吗? [icon 0, buttons 6, default 2] | message=查询列表已清空... | entries= | numberBox=
  | file:wlnum.ini=(none)
clear without a file: ready ; click clearHistoryButton ; show message => message=查询列表已清空...
clear answered No: put wlnum.ini=7|a ; ready ; type 7 ; reply No ; click clearHistoryButton ; show message,entries,numberBox
  => message=程序已加载完毕... | entries=7|a | numberBox=7
clear not removed: block wlnum.ini ; ready ; show message ; click clearHistoryButton ; show message
  => message=单号记录无法读取,本次不保存! | message=单号记录保存失败!
export nothing: ready ; click exportButton ; show box,message,file:物流信息.txt
  => box=Orvo系列软件: 没有可导出的数据! [icon 0, buttons 1, default 0] | message=没有可导出的数据.. | file:物流信息.txt=(none)
export: ready ; answer 5=<tr><td>T1</td><td>已揽收</td></tr><tr><td>T2</td><td>已签收</td></tr></table> ; query 顺丰快递 5
  ; click exportButton ; show box,message,file:物流信息.txt => box=Orvo系列软件: 成功导出全部数据! [icon 0, buttons 1, default 0]
  | message=成功导出全部数据.. | file:物流信息.txt=1          T2   已签收\r\n2          T1   已揽收\r\n
export fails part of the way: ready ; answer 5=rows:2 ; query 顺丰快递 5 ; click exportButton ; answer 6=rows:3 ; query 顺丰快递 6 ; limit 20
  ; click exportButton ; limit 0 ; show box,message,file:物流信息.txt => box=Orvo系列软件: 数据导出失败! [icon 0, buttons 1, default 0]
  | message=数据导出失败.. | file:物流信息.txt=1          T2   P2\r\n2          T1   P1\r\n
schedule without a number: ready ; pick 顺丰快递 ; click scheduleButton ; show box,scheduleButton,clockWatchTimer,locked
  => box=Orvo系列软件: 请先查询单号后在使用定时功能! [icon 0, buttons 1, default 0] | scheduleButton=开始定时 | clockWatchTimer=off | locked=
schedule without a company: ready ; type 1 ; click scheduleButton ; show boxes => boxes=请先查询单号后在使用定时功能!
schedule without a minute: ready ; pick 顺丰快递 ; type 1 ; select minuteBox=-1 ; click scheduleButton ; show boxes => boxes=请设定查询时间!
loop without a number: ready ; pick 顺丰快递 ; click toLoopButton ; click loopButton ; show boxes,loopButton
  => boxes=请先查询单号后在使用本功能! | loopButton=开始循环
loop without an interval: ready ; pick 顺丰快递 ; type 1 ; click toLoopButton ; click loopButton ; show boxes => boxes=请先设定时间!
schedule armed and disarmed: ready ; pick 顺丰快递 ; type 1 ; select hourBox=7 ; select minuteBox=5 ; mnemonic scheduleButton ; click scheduleButton
  ; show scheduleButton,tip:scheduleButton,clockWatchTimer,locked ; click scheduleButton ; show scheduleButton,tip:scheduleButton,clockWatchTimer,locked,boxes
  => scheduleButton=关闭定时 | tip:scheduleButton=下次查询：07:05 | clockWatchTimer=on
  | locked=numberBox,companyBox,deleteNumberButton,clearHistoryButton,companySearchButton,hourBox,minuteBox
  | scheduleButton=开始定时 | tip:scheduleButton= | clockWatchTimer=off | locked= | boxes=
loop armed and disarmed: ready ; pick 顺丰快递 ; type 1 ; click toLoopButton ; select intervalBox=4 ; click loopButton ; show loopButton,minuteCountTimer,
  locked ; click loopButton ; show loopButton,minuteCountTimer,locked => loopButton=停止循环 | minuteCountTimer=on
  | locked=numberBox,companyBox,deleteNumberButton,clearHistoryButton,companySearchButton,intervalBox | loopButton=开始循环 | minuteCountTimer=off | locked=
schedule fires at its minute, once: ready ; query 顺丰快递 1234567890 ; select hourBox=9 ; select minuteBox=30 ; at 9:29 ; click scheduleButton
  ; tick clockWatchTimer ; at 9:29:59 ; tick clockWatchTimer ; at 10:30 ; tick clockWatchTimer ; at 9:31 ; tick clockWatchTimer ; show requests ; at 9:30
  ; tick clockWatchTimer ; show requests,scheduleButton,locked ; tick showRowsTimer ; tick clockWatchTimer ; show requests,rows
  => requests=2 | requests=3 | scheduleButton=开始定时 | locked=queryButton | requests=3 | rows=7
schedule at its presets, midnight: ready ; pick 顺丰快递 ; type 1234567890 ; at 14:05 ; click scheduleButton ; tick clockWatchTimer ; at 23:59:59
  ; tick clockWatchTimer ; show requests ; at 0:00 ; tick clockWatchTimer ; show requests => requests=1 | requests=2
schedule armed within its minute: ready ; pick 顺丰快递 ; type 1234567890 ; select hourBox=14 ; select minuteBox=5 ; at 14:05:30
  ; click scheduleButton ; tick clockWatchTimer ; show requests => requests=2
loop every minute, in a box once answered: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton ; select intervalBox=0 ; click loopButton
  ; tick minuteCountTimer ; tick showRowsTimer ; tick minuteCountTimer ; tick showRowsTimer ; show requests,rows,loopButton,minuteCountTimer
  ; reply Cancel ; inside tick minuteCountTimer
  ; close ; show requests ; events ; show requests => requests=3 | rows=7 | loopButton=停止循环 | minuteCountTimer=on | requests=3 | requests=4
loop restarted, and a query by hand: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton ; select intervalBox=2 ; click loopButton
  ; tick minuteCountTimer x2 ; click loopButton ; click loopButton ; tick minuteCountTimer x2 ; show requests ; click queryButton ; tick showRowsTimer
  ; tick minuteCountTimer ; show requests => requests=1 | requests=3
loop every 360 minutes: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton ; select intervalBox=359 ; click loopButton
  ; tick minuteCountTimer x359 ; show requests ; tick minuteCountTimer ; show requests => requests=1 | requests=2
panels take turns: ready ; click toLoopButton ; show panel,boxes ; click toScheduleButton ; show panel
  => panel=loopPanel at 16,120 | boxes= | panel=schedulePanel at 16,120
leave an armed schedule, No: ready ; pick 顺丰快递 ; type 1 ; click scheduleButton ; reply No ; click toLoopButton ; show box,panel,scheduleButton,
  clockWatchTimer => box=Orvo系列软件: 当前正在定时查询,是否终止? [icon 0, buttons 6, default 2] | panel=schedulePanel at 16,120
  | scheduleButton=关闭定时 | clockWatchTimer=on
leave an armed schedule, Yes: ready ; pick 顺丰快递 ; type 1 ; click scheduleButton ; click toLoopButton ; show panel,scheduleButton,clockWatchTimer,locked
  => panel=loopPanel at 16,120 | scheduleButton=开始定时 | clockWatchTimer=off | locked=
leave an armed loop, No: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton ; select intervalBox=2 ; click loopButton
  ; tick minuteCountTimer x2 ; reply No ; click toScheduleButton ; show box,panel ; tick minuteCountTimer ; show requests
  => box=Orvo系列软件: 当前正在循环查询,是否终止? [icon 0, buttons 6, default 2] | panel=loopPanel at 16,120 | requests=2
leave an armed loop, Yes: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton ; select intervalBox=2 ; click loopButton
  ; tick minuteCountTimer x2 ; click toScheduleButton ; show panel,loopButton,minuteCountTimer,locked ; click toLoopButton ; click loopButton
  ; tick minuteCountTimer x2
  ; show requests => panel=schedulePanel at 16,120 | loopButton=开始循环 | minuteCountTimer=off | locked= | requests=1
search, every match in turn: ready ; pick 中邮物流 ; search 快递 ; show companyBox,message
  => companyBox=忠信达快递 | message=找到【忠信达快递】，是否为您要找的公司?
search, case counts: ready ; pick 中邮物流 ; search ems ; show companyBox,message => companyBox=中邮物流 | message=程序已加载完毕...
search, upper case: ready ; pick 中邮物流 ; search EMS ; show companyBox,message => companyBox=EMS快递 | message=找到【EMS快递】，是否为您要找的公司?
search, spaces around, a full-width one kept: ready ; search  申通  ; show companyBox ; pick 中邮物流 ; search 申通\u3000
  ; show companyBox => companyBox=申通快递 | companyBox=中邮物流
search, empty: ready ; pick 中邮物流 ; search  ; show companyBox,boxes => 搜索物流公司 stayed | companyBox=中邮物流 | boxes=请输入物流公司关键字
search, spaces only: ready ; pick 中邮物流 ; search    ; show companyBox,boxes => 搜索物流公司 stayed | companyBox=中邮物流 | boxes=
popular companies: ready ; popular shentongButton ; show companyBox ; popular emsButton ; show companyBox ; popular shunfengButton ; show companyBox
  ; popular yuantongButton ; show companyBox ; popular zhongtongButton ; show companyBox ; popular huitongButton ; show companyBox ; popular yundaButton
  ; show companyBox ; popular chengguangButton ; show companyBox ; popular quanfengButton ; show companyBox ; popular zhaijisongButton ; show companyBox,message
  => companyBox=申通快递 | companyBox=EMS快递 | companyBox=顺丰快递 | companyBox=圆通快递 | companyBox=中通快递 | companyBox=汇通快递 | companyBox=韵达快递
  | companyBox=程光快递 | companyBox=全峰快递 | companyBox=宅急送快递 | message=程序已加载完毕...
outlet found, in GBK: ready ; serve outlet=gbk ; outlet  浦东  ; show boxes,sent
  => 网店信息查询=浦东张江营业部,张伟,申通快递上海浦东分公司,021-58951234,张江镇、川沙新镇、唐镇,合庆镇、曹路镇 / 请输入要查询的网点名称
  | boxes=张江镇、川沙新镇、唐镇 | sent=/query_list.asp?name=%E6%B5%A6%E4%B8%9C
outlet not found: ready ; outlet 无此网点 ; show boxes
  => 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 您查询的网点不存在! | boxes=您查询的网点不存在!
outlet without a name: ready ; outlet  ; show boxes,requests
  => 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 请输入您要查询的站点.. | boxes= | requests=1
typing picks as a choice does: ready ; type 1 ; focus companyBox ; key S ; key F ; click queryButton ; show companyBox,code
  => companyBox=顺丰快递 | code=shunfeng
typed letters add up, not as Qt searches; a pause starts over: ready ; focus companyBox ; key F ; key E ; show companyBox ; at 14:05:02 ; key D
  ; key B ; show companyBox
  => companyBox=国际Fedex | companyBox=德邦物流
typing in the open list: ready ; focus companyBox ; open companyBox ; key Y ; key T ; key Return ; show companyBox => companyBox=圆通快递
F8 typing goes to the number box once the update check ends, unless the focus moved: start ; show focus ; tick updateCheckTimer
  ; show focus ; start ; focus companyBox ; tick updateCheckTimer ; show focus => focus=deleteNumberButton | focus=numberBox | focus=companyBox
before the update check: start ; type old ; copy 9876 ; focus companyBox ; key F7 ; show numberBox ; key Shift+F8 ; show numberBox,locked
  => numberBox=old | numberBox=9876 | locked=numberBox,queryButton
couriers offered for a pasted or typed number, picked by Alt+1: ready ; copy 75123456789012 ; key F8 ; show suggestions
  ; pick 韵达快递 ; copy 431234567890123 ; key F8 ; show suggestions ; pick - ; focus numberBox ; key Ctrl+A ; keys SF1234567890123
  ; show suggestions ; key Escape ; show suggestions ; keys 4 ; key Backspace ; key Alt+2 ; show companyBox ; key Alt+1
  ; click queryButton ; show companyBox,code,suggestions => suggestions=可能是[],Alt+1 中通快递[14位数字，以75开头] | suggestions=none
  | suggestions=Alt+1 顺丰快递[单号以SF开头，共15位] | suggestions=none | companyBox= | companyBox=顺丰快递 | code=shunfeng | suggestions=none
couriers hidden by a pick from the history, and by a click aimed at the company list: put wlnum.ini=1234567890|无名快递\r\n
  ; ready ; focus numberBox ; keys 431234567890123 ; key Down ; show numberBox,suggestions ; key Ctrl+A ; keys 431234567890123 ; press companyBox
  ; show suggestions,popup,companyBox => numberBox=1234567890 | suggestions=none | suggestions=none | popup=yes | companyBox=
F8 keeps line breaks, pastes no text too: ready ; copy 9876\r\n ; focus resultView ; key F8 ; show numberBox ; copy
  ; focus exportButton ; key F8 ; show numberBox => numberBox=9876\r\n | numberBox=
F8 in the number box's open list: put wlnum.ini=555|x\r\n ; ready ; copy 9876 ; focus numberBox ; open numberBox ; key F8
  ; show numberBox,popup ; key Return ; show numberBox => numberBox=9876 | popup=no | numberBox=9876
F8 in the minute list: ready ; copy 9876 ; focus minuteBox ; open minuteBox ; key F8 ; show numberBox,popup => numberBox=9876 | popup=no
clicks on the list: ready ; row -1 ; show message
  ; answer 5=<tr><td>T1</td><td>P1 <b>x</b></td></tr><tr><td>T2</td><td>P2</td></tr></table> ; query 顺丰快递 5 ; row 1
  ; show message,tooltip ; row 0 ; show tooltip,selection ; row -1 ; show message,selection
  => message=当前没有物流信息 | message=查询完毕... | tooltip=物流跟踪信息/时间:T1/物流进度:P1 <b>x</b>
  | tooltip=物流跟踪信息/时间:T2/物流进度:P2 | selection=yes | message=当前没有物流信息 | selection=no
farewell, Yes: ready ; reply Yes ; close ; show box,window,forum
  => box=Orvo系列软件: 感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
  [icon 0, buttons 14, default 2] | window=no | forum=http://forum.invalid/bbs/
a panel's query and a close while an answer is awaited: ready ; pick 顺丰快递 ; type 1234567890 ; click toLoopButton
  ; select intervalBox=0 ; click loopButton ; serve tracking=hang ; during tick minuteCountTimer ; during close ; during show boxes
  ; reply No ; tick minuteCountTimer ; events ; show requests,boxes,window => boxes= | requests=2
  | boxes=感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件? | window=no
while the main window waits only its own input is held: put wlnum.ini=11|顺丰快递\r\n2|顺丰快递\r\n ; ready ; click overviewButton
  ; serve tracking=hang ; during typein numberBox=9 ; during typein filterBox=1 ; query 顺丰快递 773012345678 ; show numberBox,filterBox,parcels
  => numberBox=773012345678 | filterBox=11 | parcels=11 未查询
farewell, No, update check due: serve update=hang ; start ; reply No ; inside tick updateCheckTimer ; close ; events
  ; show window,forum,exit,requests,nested => window=no | forum= | exit= | requests=0 | nested=1
farewell, Cancel, update check due: serve update=e404 ; start ; reply Cancel ; inside tick updateCheckTimer ; close ; events
  ; show window,forum,requests,nested,locked => window=yes | forum= | requests=1 | nested=1 | locked=
close by the window system during a failing update check: serve update=hang ; start ; closing window ; reply Ok
  ; reply No ; tick updateCheckTimer ; events ; show nested,window,boxes => nested=1 | window=no
  | boxes=检测更新失败!请您稍后再试,暂时使用原版/感谢您对Pell、对Orvo系列的软件的支持!\n
  \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
close by code during a passing update check: serve update=drip ; start ; closing code ; reply No
  ; tick updateCheckTimer ; events ; show window,boxes => window=no | boxes=感谢您对Pell、对Orvo系列的软件的支持!\n
  \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
close during an update check that finds a newer version: serve update=drip ; update V3.1 ; start ; closing window
  ; tick updateCheckTimer ; events ; show boxes,exit => boxes=发现最新版本![V3.1]\r\n \r\n确定后自动打开官方论坛! | exit=0
about and the forum: ready ; about ; click forumButton ; show forum => 关于程序=版本号：3.0.83 #ff0000 #0000ff #ff0000 #0000ff
  | forum=tencent://message/?uin=0,mailto:dev@q.test,http://forum.invalid/bbs/,tencent://message/?uin=0,http://forum.invalid/bbs/
notified of a loop query that finds more: ready ; answer 1=rows:2 ; query 顺丰快递 1 ; click toLoopButton ; select intervalBox=0
  ; click loopButton ; answer 1=rows:3 ; tick minuteCountTimer ; tick showRowsTimer ; show notified => notified=[1\n顺丰快递] 快件有更新/顺丰快递 1\nT3 P3
notified of a query that ends while the window is not active, not of the first, lines cut: ready ; answer {8*120}=rows:1
  ; elsewhere ; query 顺丰快递 {8*120} ; show notified
  ; answer {8*120}=<tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>{x*120}</td></tr></table> ; query 顺丰快递 {8*120}
  ; show notified => notified= | notified=[{8*120}\n顺丰快递] 快件有更新/顺丰快递 {8*95}…\nT2 {x*97}…
not notified in the active window: ready ; answer 1=rows:2 ; query 顺丰快递 1 ; answer 1=rows:3 ; query 顺丰快递 1 ; show notified,changeNoticeLabel
  => notified= | changeNoticeLabel=是否更新：有更新 #ff0000
not notified after a pick: put wlnum.ini=1|顺丰快递\r\n ; ready ; answer 1=rows:2 ; query 顺丰快递 1 ; focus numberBox ; key Down
  ; answer 1=rows:3 ; elsewhere ; query 顺丰快递 1 ; show notified,changeNoticeLabel => notified= | changeNoticeLabel=是否更新：有更新 #ff0000
not notified without more rows, nor of a failure: ready ; answer 1=rows:2 ; query 顺丰快递 1 ; elsewhere ; query 顺丰快递 1
  ; serve tracking=e404 ; query 顺丰快递 1 ; show notified => notified=
the window's notification raises it, another's not: ready ; minimize ; activate other ; show minimized ; activate
  ; show minimized => minimized=yes | minimized=no
next loop query: ready ; pick 顺丰快递 ; type 1 ; click toLoopButton ; select intervalBox=2 ; at 23:58:40 ; click loopButton
  ; show tip:loopButton ; at 23:59:40 ; tick minuteCountTimer ; show tip:loopButton ; at 0:01:40 ; tick minuteCountTimer x2 ; show tip:loopButton
  ; click toScheduleButton ; show tip:loopButton => tip:loopButton=下次查询：00:01 | tip:loopButton=下次查询：00:01
  | tip:loopButton=下次查询：00:04 | tip:loopButton=
outlet closed while its page is awaited: ready ; serve outlet=hang ; outlet !浦东 ; serve outlet=normal ; outlet 浦东
  ; show boxes => 查询 disabled | 网店信息查询=未查询,未查询,未查询,未查询,未查询,未查询 / 请输入要查询的网点名称
  | 网店信息查询=浦东张江营业部,张伟,申通快递上海浦东分公司,021-58951234,张江镇、川沙新镇、唐镇,合庆镇、曹路镇 / 请输入要查询的网点名称
  | boxes=张江镇、川沙新镇、唐镇
overview, refreshed and filtered: put wlnum.ini=1234567890|顺丰快递\r\n7770001|顺丰快递\r\n\r\n99|无此公司\r\n ; ready ; click overviewButton
  ; show parcels,fits,onscreen ; widen 400 ; refresh stop ; show parcels,overviewStatus ; refresh
  ; show parcels,refreshProgress,overviewStatus,requests ; filter 777 ; show parcels
  ; filter 顺丰 ; show parcels ; filter 无此公司 ; show parcels
  => parcels=99 系统问题,暂不支持当前快递公司!,7770001 未查询,1234567890 未查询 | fits=yes | onscreen=yes | newest +400, filter +0, narrowest ≤ 660 px
  | parcels=99 系统问题,暂不支持当前快递公司!,7770001 运送中 2,1234567890 未查询
  | overviewStatus=查询已停止 | parcels=99 系统问题,暂不支持当前快递公司!,7770001 运送中 2,1234567890 已签收 7
  | refreshProgress=已查询 2/2 | overviewStatus=查询完毕 | requests=4 | parcels=7770001 运送中 2
  | parcels=7770001 运送中 2,1234567890 已签收 7 | parcels=99 系统问题,暂不支持当前快递公司!
overview learns the main window's answers, steps as text: put wlnum.ini=5|顺丰快递\r\n ; answer 5=rows:2 ; ready
  ; click overviewButton ; refresh ; at 9:30
  ; answer 5=<tr><td>T1</td><td>P1</td></tr><tr><td>T2</td><td>P2</td></tr><tr><td>T3</td><td>派件<p>数据&amp;来源</p></div>
  ; query 顺丰快递 5 ; show parcel:0 ; serve tracking=e404 ; at 9:40 ; enter 0 ; show parcel:0,overview
  => parcel:0=5//顺丰快递/派件中/T3 派件数据&来源/3/12-06 09:30/ ~  | parcel:0=5//顺丰快递/查询失败/T3 派件数据&来源/3/12-06 09:40/
  ~ 服务器返回HTTP错误404\n上次结果：派件中 | overview=5 派件数据&来源
numbers added from the list, each line saying what became of it: put wlnum.ini=1234567890|顺丰快递\r\n ; answer SF1234567890123=rows:2
  ; ready ; click overviewButton ; batch SF1234567890123 74123456789012,abc、1234567890 SF1234567890123；sf9876543210987\u300012
  ; show batch ; focus numbersText ; key Tab ; key Tab ; show focus ; refresh add ; show addSummary ; batch company=1=zt ; refresh add
  ; show batch,addSummary,parcels,file:wlnum.ini,entries
  ; click closeButton ; events ; batch SF1234567890123 ; show batch => batch=SF1234567890123 顺丰快递,74123456789012 中通快递 可能是 中通快递，请核对,ABC 不是单号,1234567890
  已在单号记录中，跳过,SF1234567890123 顺丰快递 重复，跳过,SF9876543210987 顺丰快递,12 不是单号 | focus=addButton | addSummary=已添加 1 个单号；未添加：SF9876543210987（单号不存在!请检查!）
  | batch=SF1234567890123 顺丰快递 已添加,74123456789012 中通快递 单号不存在!请检查!,ABC 不是单号,1234567890 已在单号记录中，跳过,SF1234567890123 顺丰快递
  重复，跳过,SF9876543210987 顺丰快递 单号不存在!请检查!,12 不是单号 | addSummary=已添加 0 个单号；未添加：74123456789012（单号不存在!请检查!）、SF9876543210987（单号不存在!请检查!）
  | parcels=SF1234567890123 运送中 2,1234567890 未查询 | file:wlnum.ini=1234567890|顺丰快递\r\nSF1234567890123|顺丰快递\r\n
  | entries=1234567890|顺丰快递,SF1234567890123|顺丰快递 | batch=SF1234567890123 顺丰快递 已在单号记录中，跳过
notes named in the list, its filter, a notification and the number box: put wlnum.ini=1|顺丰快递\r\n2|顺丰快递\r\n
  ; answer 1=rows:2 ; ready ; click overviewButton ; refresh ; note 1=妈妈的茶叶 ; answer 1=rows:3 ; refresh ; filter 茶叶
  ; show parcels,notified ; close overview ; activate ; focus numberBox ; key Down ; show numberBox,tip:numberBox ; keys 9 ; show tip:numberBox
  ; click overviewButton ; enter 0 ; show tip:numberBox => parcels=1 运送中 3 ● | notified=[1\n顺丰快递] 快件有更新/妈妈的茶叶 · 顺丰快递 1\nT3 P3
  | numberBox=1 | tip:numberBox=妈妈的茶叶 | tip:numberBox= | tip:numberBox=妈妈的茶叶
archived from the menu, shown greyed when asked, brought back: put wlnum.ini=1|顺丰快递\r\n2|顺丰快递\r\n ; ready
  ; click overviewButton ; menu 1=归档 ; show parcels,overviewStatus,showArchivedBox ; click showArchivedBox ; show parcels ; menu 1=取消归档
  ; click showArchivedBox ; show parcels,showArchivedBox ; note 0={a*45} ; events ; show overviewStatus,parcel:0 ; focus parcelView ; key Delete
  ; show parcels,boxes => parcels=2 未查询 | overviewStatus=已归档 1 件，勾选 显示已归档 可见 | showArchivedBox=显示已归档（1） | parcels=2 未查询,1 未查询
  | parcels=2 未查询,1 未查询 | showArchivedBox=显示已归档 | overviewStatus=备注最多40个字，多出的部分未保留 | parcel:0=2/{a*40}/顺丰快递/未查询//// ~ 
  | parcels=1 未查询 | boxes=确定要删除[2]此单号码?
a note being typed and the current row outlast a parcel added: put wlnum.ini=1|顺丰快递\r\n ; ready ; click overviewButton
  ; typing 0=gift ; query 顺丰快递 5550001111 ; key Return ; events ; show parcel:1,overview => parcel:1=1/gift/顺丰快递/未查询//// ~  | overview=1 -
an import is kept in both files or in neither: put in.txt=7770001,顺丰快递\r\n ; block quillon.sqlite ; ready ; click overviewButton ; limit 5
  ; list import in.txt ; limit 0 ; show overviewStatus,entries ; list import in.txt ; show overviewStatus,parcels
  => overviewStatus=单号记录保存失败，未导入任何快件 | entries= | overviewStatus=已新增 1 件；快件记录的位置是一个文件夹，本次仅保存在内存中 | parcels=7770001 未查询
list imported after a yes, exported: put wlnum.ini=1|顺丰快递\r\n ; put in.txt=7770001,顺丰快递,新\r\n2222,无名快递\r\n
  ; put cut.csv=单号,快递公司\r\n5,顺丰快递 ; ready ; click overviewButton ; list import none.txt ; show box ; list import cut.csv ; reply No
  ; list import in.txt ; show entries ; list import in.txt ; show boxes,entries,parcels,file:wlnum.ini,overviewStatus ; list export out.csv
  ; show file:out.csv => box=Orvo系列软件: 无法读取文件：none.txt [icon 1, buttons 1, default 0] | entries=1|顺丰快递
  | boxes=无法读取文件：none.txt/文件不完整（在中途被截断），未导入任何快件/将新增 1 件，跳过 1 件：\n第2行 2222：无此快递公司「无名快递」\n\n确定导入吗？/将新增 1 件，跳过 1 件：\n第2行 2222：无此快递公司「无名快递」\n\n确定导入吗？
  | entries=1|顺丰快递,7770001|顺丰快递 | parcels=7770001 未查询,1 未查询 | file:wlnum.ini=1|顺丰快递\r\n7770001|顺丰快递\r\n
  | overviewStatus=已新增 1 件 | file:out.csv=单号,快递公司,备注,快件状态,最新时间,最新进度,步数,上次查询,有更新,签收时间,归档\r\n1,顺丰快递,,未查询,,,0,,,,\r\n7770001,顺丰快递,新,未查询,,,0,,,,\r\n
overview follows 删, a query and 清: put wlnum.ini=1|顺丰快递\r\n ; ready ; click overviewButton ; query 顺丰快递 5550001111 ; show parcels
  ; type 1 ; click deleteNumberButton ; show parcels ; click clearHistoryButton ; show parcels
  => parcels=5550001111 运送中 3,1 未查询 | parcels=5550001111 运送中 3 | parcels=
summary opens the overview: put wlnum.ini=1|顺丰快递\r\n2|顺丰快递\r\n3|顺丰快递\r\n4|顺丰快递\r\n ; answer 1=rows:2 ; answer 2=rows:2 ; answer 3=rows:2 ; answer 4=rows:2
  ; ready ; click overviewButton ; refresh ; answer 1=rows:3 ; answer 2=rows:3 ; answer 3=rows:3 ; answer 4=rows:3 ; refresh ; close overview
  ; activate refresh ; show overview => overview= -
overview sorted, kept through a restart: put wlnum.ini=1|顺丰快递\r\n2|顺丰快递\r\n ; ready ; click overviewButton ; sort 0
  ; close overview ; ready ; click overviewButton ; show parcels => parcels=1 未查询,2 未查询
the record a folder, why in the status line's tooltip: block quillon.sqlite ; ready ; click overviewButton ; show tip:overviewStatus
  => tip:overviewStatus=a folder in its place
overview row not opened typing goes to the number box once the update check ends, unless the focus moved: start ; show focus ; tick updateCheckTimer
  ; show focus ; start ; focus companyBox ; tick updateCheckTimer ; show focus => focus=deleteNumberButton | focus=numberBox | focus=companyBox
before the update check: put wlnum.ini=1|顺丰快递\r\n ; start ; click overviewButton ; enter 0 ; show overviewStatus,requests
  => overviewStatus=程序检测更新中，请稍后再打开 | requests=0
overview marks, notifies, opens, deletes: answer 1=rows:2 ; put wlnum.ini=1|顺丰快递\r\n5550001111|顺丰快递\r\n ; ready ; click overviewButton ; refresh
  ; answer 1=rows:3 ; refresh ; show parcels,overviewStatus,notified ; close overview ; activate refresh ; show overview ; menu 1=标记为已读 ; show parcels
  ; answer 1=rows:4 ; refresh ; enter 1 ; tick showRowsTimer ; show parcels,numberBox,rows,changeNoticeLabel,notified ; query 顺丰快递 5550001111
  ; enter 1 ; tick showRowsTimer ; show changeNoticeLabel ; reply Yes ; menu 0=删除 ; show parcels,boxes,boxOwner,file:wlnum.ini
  => parcels=5550001111 运送中 3,1 运送中 3 ● | overviewStatus=查询完毕，1件有更新 | notified=[1\n顺丰快递] 快件有更新/顺丰快递 1\nT3 P3 | overview=1 P3 | parcels=5550001111 运送中 3,1 运送中 3
  | parcels=5550001111 运送中 3,1 运送中 4 | numberBox=1 | rows=4 | changeNoticeLabel=是否更新：有更新 #ff0000
  | notified=[1\n顺丰快递] 快件有更新/顺丰快递 1\nT3 P3/[1\n顺丰快递] 快件有更新/顺丰快递 1\nT4 P4 | changeNoticeLabel=是否更新：无更新 #000000 | parcels=1 运送中 4
  | boxes=确定要删除[5550001111]此单号码? | boxOwner=overviewWindow | file:wlnum.ini=1|顺丰快递\r\n
the tray, a close hides into it and the program runs on: tray on ; put wlnum.ini=1|顺丰快递\r\n ; answer 1=rows:2 ; ready ; show tray
  ; tray 全部查询 ; tray 关闭窗口时留在托盘 ; click overviewButton ; close ; show window,overview,boxes,exit ; answer 1=rows:3 ; tray 全部查询
  ; show tray,notified ; activate refresh ; show window,overview ; close ; tray click ; show window ; close ; again ; show window,notified
  => tray=Quillon 显示主窗口,全部快件,全部查询,-,[ ]关闭窗口时留在托盘,[ ]登录时启动,-,退出 | window=no | overview=closed | boxes= | exit=
  | tray=Quillon/1件快件有更新 (marked) 显示主窗口,全部快件,全部查询,-,[x]关闭窗口时留在托盘,[ ]登录时启动,-,退出
  | notified=[tray] Quillon 仍在托盘中运行/单击托盘图标可显示窗口，在它的菜单中选择“退出”结束程序。/[1\n顺丰快递] 快件有更新/顺丰快递 1\nT3 P3
  | window=yes | overview=1 P3 | window=yes | window=yes
  | notified=[tray] Quillon 仍在托盘中运行/单击托盘图标可显示窗口，在它的菜单中选择“退出”结束程序。/[1\n顺丰快递] 快件有更新/顺丰快递 1\nT3 P3
the tray's 退出 asks the farewell question: tray on ; ready ; tray 关闭窗口时留在托盘 ; close ; reply Cancel ; tray 退出 ; show box,window,exit
  ; reply No ; tray 退出 ; show window,exit => box=Orvo系列软件: 感谢您对Pell、对Orvo系列的软件的支持!\n \n是否退出并到论坛可以下载更多Orvo系列原创免费软件?
  [icon 0, buttons 14, default 2] | window=no | exit= | window=no | exit=0
the tray's 登录时启动, and what a restart keeps: tray on ; ready ; tray 关闭窗口时留在托盘 ; tray 登录时启动 ; show autostart ; ready ; show tray
  ; put autostart/org.example.Quillon.desktop= ; ready ; show tray ; tray 登录时启动 ; show autostart ; tray 登录时启动 ; show autostart
  => autostart=on | tray=Quillon 显示主窗口,全部快件,全部查询,-,[x]关闭窗口时留在托盘,[x]登录时启动,-,退出
  | tray=Quillon 显示主窗口,全部快件,全部查询,-,[x]关闭窗口时留在托盘,[ ]登录时启动,-,退出 | autostart=on | autostart=off
a login entry that cannot be written says why and stays unchecked: tray on ; block autostart ; block autostart/org.example.Quillon.desktop
  ; ready ; tray 登录时启动 ; show box,tray,autostart => box=Orvo系列软件: 无法写入登录时启动的设置：Filename refers to a directory [icon 1, buttons 1, default 0]
  | tray=Quillon 显示主窗口,全部快件,全部查询,-,[ ]关闭窗口时留在托盘,[ ]登录时启动,-,退出 | autostart=off
)");
    }
    // A box belongs to the window that asks for it, not to the one active then.
    void boxOverAskingWindow()
    {
        QWidget asking, active;
        active.show();
        QVERIFY(QTest::qWaitForWindowActive(&active));
        const QWidget *owner = &active;
        QTimer::singleShot(0, [&] { owner = QApplication::activeModalWidget()->parentWidget(); });
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QtMessageBoxes().show({"t", "x", BoxIcon::Information, BoxButton::Ok, BoxButton::NoButton, &asking});
        QCOMPARE(owner, &asking);
    }

    void scenarios()
    {
        FETCH_CASE();
        WindowHarness h;
        const QString shown = h.run(input);
        QVERIFY2(h.failure().isEmpty(), qPrintable(h.failure()));
        COMPARE_NOTES(shown, expected);
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
