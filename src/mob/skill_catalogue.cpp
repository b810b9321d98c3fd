// SPDX-FileCopyrightText: 2026 Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mob/skill_catalogue.h"

#include <algorithm>
#include <array>

namespace mob {
namespace {

using enum ArgumentType;

// Arguments, aliases and defaults follow the plugin's wiki page of each mechanic. Where a page
// gives another attribute or a formula as the default ("radius", "volume*16"), the default is
// left empty: the plugin works it out and the dialog has nothing fixed to show.

constexpr SkillArgument damageArguments[] = {
    {"amount", "a", Number, "1"},
    {"ignoreArmor", "ia,i", YesNo, "false"},
    {"preventknockback", "pkb,pk", YesNo, "false"},
    {"preventimmunity", "pi", YesNo, "false"},
    {"damagecause", "dc,cause", Text, "entity_attack"},
    {"ignoreenchantments", "ignoreenchants,ie", YesNo, "false"},
    {"noanger", "na", YesNo, "false"},
    {"ignoreinvulnerability", "ignoreinvulnerable,ii", YesNo, "false"},
    {"ignoreshield", "is", YesNo, "false"},
    {"damageshelmet", "dh", YesNo, "false"},
    {"ignoreeffects", "ieff", YesNo, "false"},
    {"ignoreresistance", "ir", YesNo, "false"},
    {"poweraffectsdamage", "pad", YesNo, "true"},
    {"tags", "tag", Text, ""},
    {"rawtags", "rtag", Text, ""},
    {"damagetype", "element,e", Text, ""},
    {"triggerSkills", "ts", YesNo, "false"},
    {"bonusdamage", "", Text, ""},
    {"bonusdamagemodifiers", "bonusdamagemods", Text, ""},
};
constexpr SkillArgument baseDamageArguments[] = {
    {"multiplier", "m", Number, "1"},
    {"useAttribute", "attribute,attr", YesNo, "false"},
};
constexpr SkillArgument damagePercentArguments[] = {
    {"percent", "p", Number, "0.1"},
    {"currentHealth", "current,c,ch", YesNo, "false"},
};
constexpr SkillArgument healArguments[] = {
    {"amount", "a", Number, "1"},
    {"overheal", "oh", YesNo, "false"},
    {"maxoverheal", "maxabsorb,maxshield,mo,ma,ms", Number, "1"},
    {"tags", "tag", Text, ""},
    {"rawtags", "rtag", Text, ""},
};
constexpr SkillArgument healPercentArguments[] = {
    {"multiplier", "m,amount,a", Number, "0.1"},
    {"overheal", "oh", YesNo, "false"},
    {"maxoverheal", "maxabsorb,maxshield,mo,ma,ms", Number, "0"},
};
constexpr SkillArgument consumeArguments[] = {
    {"damage", "d,dmg", Number, "1"},
    {"heal", "h", Number, "1"},
};
constexpr SkillArgument shieldArguments[] = {
    {"amount", "a", Number, "1"},
    {"maxabsorb", "maxshield,ma,ms", Number, "1"},
};
constexpr SkillArgument messageArguments[] = {
    {"message", "msg,m", Text, ""},
    {"audience", "", Text, ""},
};
constexpr SkillArgument actionMessageArguments[] = {
    {"message", "m,msg", Text, ""},
};
constexpr SkillArgument titleArguments[] = {
    {"title", "t", Text, ""},        {"subtitle", "st", Text, ""},
    {"duration", "d", Integer, "1"}, {"fadeIn", "fi", Integer, "1"},
    {"fadeOut", "fo", Integer, "1"},
};
constexpr SkillArgument soundArguments[] = {
    {"sound", "s", Text, "entity.zombie.attack_iron_door"},
    {"pitch", "p", Number, "1.0"},
    {"volume", "v", Number, "1.0"},
    {"radius", "r", Number, ""},
    {"soundcategory", "category,sc", Text, "MASTER"},
    {"emitter", "em", Choice, "", "CASTER,TARGET,BOTH,AUDIENCE"},
    {"audience", "", Text, "world"},
};
constexpr SkillArgument particleArguments[] = {
    {"particle", "p", Text, "reddust"},
    {"amount", "count,a", Integer, "10"},
    {"spread", "offset", Number, "0"},
    {"hSpread", "hs", Number, ""},
    {"vSpread", "vs,yspread,ys", Number, ""},
    {"speed", "s", Number, "0"},
    {"yOffset", "y", Number, "0"},
    {"viewDistance", "vd", Integer, "128"},
    {"fromorigin", "fo", YesNo, "false"},
    {"directional", "d", YesNo, "false"},
    {"color", "c", Text, ""},
    {"audience", "", Text, "nearby"},
};
constexpr SkillArgument particleSphereArguments[] = {
    {"radius", "r", Number, "0"},         {"particle", "p", Text, "reddust"},
    {"amount", "count,a", Integer, "10"}, {"speed", "s", Number, "0"},
    {"yOffset", "y", Number, "0"},
};
constexpr SkillArgument particleRingArguments[] = {
    {"points", "pts", Integer, "8"},    {"radius", "r", Number, "10"},
    {"particle", "p", Text, "reddust"}, {"amount", "count,a", Integer, "10"},
    {"speed", "s", Number, "0"},        {"yOffset", "y", Number, "0"},
};
constexpr SkillArgument particleLineArguments[] = {
    {"distanceBetween", "db", Number, "0.25"},
    {"startYOffset", "syo,ystartoffset,ys", Number, "0"},
    {"targetYOffset", "tyo,ytargetoffset,yt", Number, "0"},
    {"fromOrigin", "fo", YesNo, "false"},
    {"zigzag", "zz", YesNo, "false"},
    {"zigzags", "zzs", Integer, "10"},
    {"zigzagOffset", "zzo", Number, "0.2"},
    {"maxdistance", "md", Number, "256"},
    {"particle", "p", Text, "reddust"},
    {"amount", "count,a", Integer, "10"},
};
constexpr SkillArgument potionArguments[] = {
    {"type", "t,effect", Text, "SLOW"},
    {"duration", "d", Integer, "100"},
    {"level", "lvl,l", Integer, "0"},
    {"force", "overwrite,ow,override,or", YesNo, "false"},
    {"hasParticles", "particles,p", YesNo, "true"},
    {"hasIcon", "icon,i", YesNo, "true"},
    {"ambientparticles", "ambient,a", YesNo, "false"},
};
constexpr SkillArgument projectileArguments[] = {
    {"onStartSkill", "onStart,oS", Text, ""},
    {"onTickSkill", "onTick,oT,m,meta,s,skill", Text, ""},
    {"onHitSkill", "onHit,oH", Text, ""},
    {"onEndSkill", "onEnd,oE", Text, ""},
    {"BulletType", "bullet,b", Choice, "",
     "ARROW,BLOCK,SMALLBLOCK,ITEM,MOB,TRACKING,REALTRACKING,DISPLAY,TEXT,ME"},
    {"Interval", "int,i", Integer, "1"},
    {"HorizontalRadius", "hRadius,hR,r", Number, "1.25"},
    {"VerticalRadius", "vRadius,vR", Number, "1.25"},
    {"Duration", "maxDuration,md,d", Integer, "400"},
    {"MaxRange", "mr", Number, "40"},
    {"Velocity", "v", Number, "5"},
    {"StartYOffset", "syo", Number, "1"},
    {"StartFOffset", "forwardoffset,sfo", Number, "1"},
    {"TargetYOffset", "tyo,targety", Number, "0"},
    {"Accuracy", "ac,a", Number, "1"},
    {"StopAtEntity", "sE", YesNo, "true"},
    {"StopAtBlock", "sB", YesNo, "true"},
    {"HitSelf", "", YesNo, "false"},
    {"HitPlayers", "hp", YesNo, "true"},
    {"HitNonPlayers", "hnp", YesNo, "false"},
    {"HitTarget", "ht", YesNo, "true"},
    {"HitTargetOnly", "hto", YesNo, "false"},
    {"Type", "", Choice, "NORMAL", "NORMAL,METEOR"},
    {"gravity", "g", Number, "0"},
    {"HugSurface", "hs", YesNo, "false"},
    {"HeightFromSurface", "hfs", Number, "0.5"},
};
constexpr SkillArgument missileArguments[] = {
    {"Inertia", "in,intertia", Number, "1.5"},
    {"onStartSkill", "onStart,oS", Text, ""},
    {"onTickSkill", "onTick,oT,m,meta,s,skill", Text, ""},
    {"onHitSkill", "onHit,oH", Text, ""},
    {"onEndSkill", "onEnd,oE", Text, ""},
    {"Interval", "int,i", Integer, "1"},
    {"HorizontalRadius", "hRadius,hR,r", Number, "1.25"},
    {"VerticalRadius", "vRadius,vR", Number, "1.25"},
    {"Duration", "maxDuration,md,d", Integer, "400"},
    {"MaxRange", "mr", Number, "40"},
    {"Velocity", "v", Number, "5"},
    {"HugSurface", "hs", YesNo, "false"},
    {"hitnonplayers", "hnp", YesNo, "true"},
};
constexpr SkillArgument chainMissileArguments[] = {
    {"bounces", "b", Integer, "2"},
    {"bounceradius", "bouncerange,radius,range,r", Number, "5"},
    {"returnToCaster", "return,rtc", YesNo, "false"},
    {"Inertia", "in,intertia", Number, "1.5"},
    {"onTickSkill", "onTick,oT,m,meta,s,skill", Text, ""},
    {"onHitSkill", "onHit,oH", Text, ""},
    {"Velocity", "v", Number, "5"},
};
constexpr SkillArgument fireballArguments[] = {
    {"yield", "strength,y,s", Number, "1"},
    {"velocity", "v", Number, "1"},
    {"fireTicks", "ft", Integer, "0"},
    {"incendiary", "i", YesNo, "false"},
    {"charged", "c", YesNo, "false"},
    {"fromorigin", "fo", YesNo, "false"},
    {"playsound", "ps", YesNo, "false"},
    {"smallfireball", "small,sml", YesNo, "false"},
    {"type", "t", Choice, "SMALL", "NORMAL,SMALL,LARGE,WITHER,DRAGON,ITEM"},
    {"item", "material", Text, "BLAZE_POWDER"},
};
constexpr SkillArgument summonArguments[] = {
    {"type", "t,mob,m", Text, "SKELETON"},
    {"onSummon", "onsummonskill,then", Text, ""},
    {"amount", "a", Integer, "1"},
    {"level", "l", Integer, "0"},
    {"radius", "r,noise,n", Number, "0"},
    {"yRadius", "yr,ynoise,yn", Number, ""},
    {"yRadiusUpOnly", "yradiusonlyup,yruo,yu", YesNo, "false"},
    {"velocity", "v,force,f", Number, "0"},
    {"onSurface", "os,s", YesNo, "false"},
    {"copyThreatTable", "ctt", YesNo, "false"},
    {"inheritThreatTable", "itt", YesNo, "false"},
    {"inheritFaction", "if", YesNo, "true"},
    {"summonerIsOwner", "sio", YesNo, "true"},
    {"summonerIsParent", "sip", YesNo, "true"},
};
constexpr SkillArgument teleportArguments[] = {
    {"spreadh", "sh,r,radius", Number, "0"}, {"spreadv", "sv", Number, "0"},
    {"preservepitch", "pp", YesNo, "true"},  {"preserveyaw", "py", YesNo, "true"},
    {"unsafe", "us", YesNo, "false"},
};
constexpr SkillArgument throwArguments[] = {
    {"velocity", "v", Number, "1"},
    {"velocityY", "vy,yv,yvelocity", Number, "1"},
    {"fromOrigin", "fo", YesNo, "false"},
};
constexpr SkillArgument leapArguments[] = {
    {"velocity", "v", Number, "100"},
    {"noise", "n", Number, "0"},
};
constexpr SkillArgument jumpArguments[] = {{"velocity", "v", Number, "1"}};
constexpr SkillArgument lungeArguments[] = {
    {"velocity", "v,magnitude", Number, "1"},
    {"velocityY", "vy,yv,yvelocity", Number, "1"},
    {"oldmath", "old,o", YesNo, "false"},
};
constexpr SkillArgument pullArguments[] = {
    {"velocity", "v", Number, "1"},
    {"toOrigin", "to", YesNo, "false"},
};
constexpr SkillArgument forcePullArguments[] = {
    {"spread", "s", Number, "0"},
    {"vspread", "spreadv,vs", Number, ""},
};
constexpr SkillArgument propelArguments[] = {{"velocity", "magnitude,v", Number, "1"}};
constexpr SkillArgument velocityArguments[] = {
    {"mode", "m", Choice, "SET", "SET,ADD,REMOVE,DIVIDE,MULTIPLY"},
    {"velocityx", "vx,x", Number, "1"},
    {"velocityy", "vy,y", Number, "1"},
    {"velocityz", "vz,z", Number, "1"},
    {"relative", "r", YesNo, "false"},
};
constexpr SkillArgument lightningArguments[] = {{"damage", "d", Number, "0.01337"}};
constexpr SkillArgument igniteArguments[] = {{"ticks", "t,d,duration", Integer, "60"}};
constexpr SkillArgument freezeArguments[] = {{"ticks", "t,duration,d", Integer, "60"}};
constexpr SkillArgument explosionArguments[] = {
    {"yield", "y", Number, "0.013"},
    {"blockdamage", "bd", YesNo, "false"},
    {"fire", "f,ft", YesNo, "false"},
};
// Stun is an aura; its length is the aura's duration.
constexpr SkillArgument stunArguments[] = {
    {"Duration", "ticks,t,d,time", Integer, "200"},
    {"stopai", "ai", YesNo, "false"},
    {"gravity", "g", YesNo, "false"},
    {"facing", "face,f", YesNo, "false"},
    {"noknockback", "nokb,kb", YesNo, "false"},
};
constexpr SkillArgument auraArguments[] = {
    {"auraName", "aura,b,buff,buffname,debuff,debuffname,n,name", Text, ""},
    {"auratype", "auragroup,group,type,g", Text, ""},
    {"onStartSkill", "onStart,os", Text, ""},
    {"onTickSkill", "onTick,ot", Text, ""},
    {"onEndSkill", "onEnd,oe", Text, ""},
    {"ShowBarTimer", "bartimer,bt", YesNo, "false"},
    {"Charges", "c", Integer, "0"},
    {"Duration", "ticks,t,d,time", Integer, "200"},
    {"Interval", "i", Integer, "1"},
    {"maxStacks", "ms", Integer, "1"},
    {"refreshDuration", "rd", YesNo, "true"},
    {"CancelOnGiveDamage", "cogd", YesNo, "false"},
    {"CancelOnTakeDamage", "cotd", YesNo, "false"},
    {"CancelOnDeath", "cod", YesNo, "true"},
    {"CancelOnTeleport", "cot", YesNo, "false"},
};
// forcesync is left to the universal attributes, which every mechanic has.
constexpr SkillArgument skillArguments[] = {
    {"skill", "s,$,(),m,mechanics,meta,spell", Text, ""},
    {"branch", "b,fork,f", YesNo, "false"},
    {"executeafterdeath", "continueafterdeath", YesNo, "false"},
    {"snapshotcasterstats", "snapshotstats,scs", YesNo, "false"},
};
constexpr SkillArgument randomSkillArguments[] = {
    {"skills", "s,m,meta,metas", Text, ""},
    {"fallbackskill", "fbskill,fbs", Text, ""},
};
constexpr SkillArgument sudoSkillArguments[] = {
    {"skill", "s,$,(),m,mechanics,meta,spell", Text, ""},
    {"setcasterastrigger", "cat", YesNo, "false"},
    {"target", "t", Text, ""},
};
// requireTarget defaults to asTarget's value, so no fixed default.
constexpr SkillArgument commandArguments[] = {
    {"command", "c,cmd", Text, ""},     {"asCaster", "ac,caster,sudo,asmob", YesNo, "false"},
    {"asOp", "op", YesNo, "false"},     {"asTarget", "at,target,sudotarget", YesNo, "false"},
    {"requireTarget", "rt", YesNo, ""},
};
constexpr SkillArgument signalArguments[] = {{"signal", "s", Text, "ping"}};
constexpr SkillArgument removeArguments[] = {{"onRemoveSkill", "onRemove,then", Text, ""}};
constexpr SkillArgument setSpeedArguments[] = {
    {"speed", "a,amount,m,multiplier,s,v,value", Number, "1"},
    {"type", "t", Choice, "WALK", "WALK,FLY"},
};
constexpr SkillArgument totemArguments[] = {
    {"Charges", "ch,c", Integer, "0"},
    {"YOffset", "yo", Number, "1"},
    {"stopatentity", "se", YesNo, "false"},
    {"hugsurface", "hs", YesNo, "false"},
    {"onTickSkill", "onTick,oT,m,meta,s,skill", Text, ""},
    {"onHitSkill", "onHit,oH", Text, ""},
    {"Interval", "int,i", Integer, "1"},
    {"Duration", "maxDuration,md,d", Integer, "400"},
    {"HorizontalRadius", "hRadius,hR,r", Number, "1.25"},
};
constexpr SkillArgument blockMaskArguments[] = {
    {"material", "mat,m,block,b", Text, "GRAVEL"},
    {"radius", "r", Number, "0"},
    {"radiusy", "ry", Number, ""},
    {"noise", "n", Number, "0"},
    {"duration", "d", Integer, "0"},
    {"shape", "s", Choice, "SPHERE", "SPHERE,CUBE"},
    {"noair", "na", YesNo, "true"},
    {"onlyair", "oa", YesNo, "false"},
    {"audience", "", Text, "nearby"},
    {"occ", "o,oc", YesNo, "true"},
};
constexpr SkillArgument disguiseArguments[] = {
    {"disguise", "d,type", Text, "player Ashijin"},
    {"audience", "", Text, ""},
};
constexpr SkillArgument threatArguments[] = {
    {"amount", "a", Number, "1"},
    {"mode", "m", Choice, "add", "add,remove,multiply,divide,set,reset,forcetop"},
};

// clang-format off
constexpr std::array mechanicRows = {
    Mechanic{"伤害", "damage", false, damageArguments},
    Mechanic{"按攻击力倍率伤害", "basedamage", false, baseDamageArguments},
    Mechanic{"按最大生命百分比伤害", "damagepercent", false, damagePercentArguments},
    Mechanic{"治疗", "heal", false, healArguments},
    Mechanic{"按百分比治疗", "healpercent", false, healPercentArguments},
    Mechanic{"吸取生命", "consume", false, consumeArguments},
    Mechanic{"护盾(伤害吸收)", "shield", false, shieldArguments},
    Mechanic{"聊天消息", "message", false, messageArguments},
    Mechanic{"动作栏消息", "actionmessage", false, actionMessageArguments},
    Mechanic{"屏幕标题", "sendtitle", false, titleArguments},
    Mechanic{"播放音效", "sound", false, soundArguments},
    Mechanic{"粒子效果", "effect:particles", false, particleArguments},
    Mechanic{"粒子球", "effect:particlesphere", false, particleSphereArguments},
    Mechanic{"粒子环", "effect:particlering", false, particleRingArguments},
    Mechanic{"粒子连线", "effect:particleline", false, particleLineArguments},
    Mechanic{"药水效果", "potion", false, potionArguments},
    Mechanic{"弹射物", "projectile", false, projectileArguments},
    Mechanic{"追踪导弹", "missile", false, missileArguments},
    Mechanic{"连锁导弹", "chainmissile", true, chainMissileArguments},
    Mechanic{"发射火球", "shootfireball", false, fireballArguments},
    Mechanic{"召唤生物", "summon", false, summonArguments},
    Mechanic{"传送到目标", "teleport", false, teleportArguments},
    Mechanic{"击飞", "throw", false, throwArguments},
    Mechanic{"跃向目标", "leap", false, leapArguments},
    Mechanic{"跳跃", "jump", false, jumpArguments},
    Mechanic{"向前冲刺", "lunge", false, lungeArguments},
    Mechanic{"拉向自己", "pull", false, pullArguments},
    Mechanic{"强制拉到身边", "forcepull", false, forcePullArguments},
    Mechanic{"推向目标", "propel", false, propelArguments},
    Mechanic{"设置速度", "velocity", false, velocityArguments},
    Mechanic{"闪电", "lightning", false, lightningArguments},
    Mechanic{"点燃", "ignite", false, igniteArguments},
    Mechanic{"冰冻", "freeze", false, freezeArguments},
    Mechanic{"爆炸", "explosion", false, explosionArguments},
    Mechanic{"眩晕", "stun", false, stunArguments},
    Mechanic{"光环(增益/减益)", "aura", false, auraArguments},
    Mechanic{"执行技能", "skill", false, skillArguments},
    Mechanic{"随机执行技能", "randomskill", false, randomSkillArguments},
    Mechanic{"让目标执行技能", "sudoskill", false, sudoSkillArguments},
    Mechanic{"执行命令", "command", false, commandArguments},
    Mechanic{"发送信号", "signal", false, signalArguments},
    Mechanic{"取消触发事件", "cancelevent", false, {}},
    Mechanic{"移除实体", "remove", false, removeArguments},
    Mechanic{"设置移动速度", "setspeed", false, setSpeedArguments},
    Mechanic{"图腾", "totem", false, totemArguments},
    Mechanic{"方块伪装", "effect:blockmask", false, blockMaskArguments},
    Mechanic{"伪装(需LibsDisguises)", "disguise", false, disguiseArguments},
    Mechanic{"仇恨值", "threat", false, threatArguments},
};
// clang-format on

constexpr SkillArgument radiusOption[] = {{"radius", "r", Number, "5"}};
constexpr SkillArgument mobsInRadiusOptions[] = {
    {"radius", "r", Number, "5"},
    {"types", "type,t", Text, ""},
};
constexpr SkillArgument entitiesInRadiusOptions[] = {
    {"radius", "r", Number, "5"},
    {"livingonly", "living,l", YesNo, "true"},
};
constexpr SkillArgument coneOptions[] = {
    {"angle", "a", Number, "90"},     {"range", "r", Number, "16"},
    {"rotation", "rot", Number, "0"}, {"usepitch", "pitch,p", YesNo, "false"},
    {"yoffset", "yo", Number, "0"},   {"livingonly", "lo", YesNo, "true"},
};
constexpr SkillArgument playersInRingOptions[] = {
    {"minrange", "min", Number, "5"},
    {"maxrange", "max", Number, "10"},
};
constexpr SkillArgument locationOptions[] = {
    {"location", "loc,l,c", Text, ""},
    {"x", "", Number, "0"},
    {"y", "", Number, "0"},
    {"z", "", Number, "0"},
    {"yaw", "", Number, "0"},
    {"pitch", "", Number, "0"},
    {"world", "w", Text, ""},
};
constexpr SkillArgument targetLocationOptions[] = {
    {"maxdistance", "max,distance,d", Number, "64"},
    {"ignoreTransparent", "it", YesNo, "true"},
};
constexpr SkillArgument forwardOptions[] = {
    {"forward", "f,amount,a", Number, "5"},
    {"rotate", "rot", Number, "0"},
    {"useeyelocation", "uel", YesNo, "false"},
    {"lockpitch", "", YesNo, "false"},
};
constexpr SkillArgument ringOptions[] = {
    {"radius", "r", Number, "5"},          {"points", "p", Integer, "10"},
    {"rotationx", "rotx,rx", Number, "0"}, {"rotationy", "roty,ry", Number, "0"},
    {"rotationz", "rotz,rz", Number, "0"}, {"offsetx", "offx,ox", Number, "0"},
    {"offsety", "offy,oy", Number, "0"},   {"offsetz", "offz,oz", Number, "0"},
    {"relative", "", YesNo, "false"},
};
constexpr SkillArgument sphereOptions[] = {
    {"radius", "r", Number, "5"},
    {"points", "p", Integer, "10"},
    {"yoffset", "y", Number, "0"},
};
constexpr SkillArgument randomLocationOptions[] = {
    {"amount", "a", Integer, "5"},
    {"radius", "r,maxradius,maxr", Number, "5"},
    {"minradius", "minr", Number, "0"},
    {"spacing", "s", Number, "0"},
};

// clang-format off
constexpr std::array targeterRows = {
    Targeter{"自身", "self", {}},
    Targeter{"当前目标", "target", {}},
    Targeter{"触发者", "trigger", {}},
    Targeter{"最近的玩家", "NearestPlayer", radiusOption},
    Targeter{"半径内的玩家", "PlayersInRadius", radiusOption},
    Targeter{"半径内的MM怪物", "MobsInRadius", mobsInRadiusOptions},
    Targeter{"半径内的实体", "EntitiesInRadius", entitiesInRadiusOptions},
    Targeter{"锥形范围内的生物", "LivingInCone", coneOptions},
    Targeter{"环形范围内的玩家", "PlayersInRing", playersInRingOptions},
    Targeter{"本世界所有玩家", "PlayersInWorld", {}},
    Targeter{"全服玩家", "PlayersOnServer", {}},
    Targeter{"原点附近的玩家", "PlayersNearOrigin", radiusOption},
    Targeter{"仇恨列表", "ThreatTable", {}},
    Targeter{"仇恨列表中随机一个", "RandomThreatTarget", {}},
    Targeter{"技能原点", "origin", {}},
    Targeter{"指定坐标", "Location", locationOptions},
    Targeter{"自身位置", "SelfLocation", {}},
    Targeter{"目标位置", "TargetLocation", targetLocationOptions},
    Targeter{"前方位置", "Forward", forwardOptions},
    Targeter{"环形位置点", "Ring", ringOptions},
    Targeter{"球形位置点", "Sphere", sphereOptions},
    Targeter{"身边随机位置", "RandomLocationsNearCaster", randomLocationOptions},
};

constexpr std::array triggerRows = {
    Trigger{"战斗时(默认)", "onCombat", TriggerValue::None},
    Trigger{"攻击时", "onAttack", TriggerValue::None},
    Trigger{"受到伤害时", "onDamaged", TriggerValue::None},
    Trigger{"生成时", "onSpawn", TriggerValue::None},
    Trigger{"消失时", "onDespawn", TriggerValue::None},
    Trigger{"首次从刷怪点生成时", "onReady", TriggerValue::None},
    Trigger{"加载时", "onLoad", TriggerValue::None},
    Trigger{"死亡时", "onDeath", TriggerValue::None},
    Trigger{"定时", "onTimer", TriggerValue::Ticks},
    Trigger{"被右键时", "onInteract", TriggerValue::None},
    Trigger{"击杀玩家时", "onPlayerKill", TriggerValue::None},
    Trigger{"进入战斗时", "onEnterCombat", TriggerValue::None},
    Trigger{"脱离战斗时", "onDropCombat", TriggerValue::None},
    Trigger{"切换目标时", "onChangeTarget", TriggerValue::None},
    Trigger{"爆炸时", "onExplode", TriggerValue::None},
    Trigger{"苦力怕点燃引信时", "onPrime", TriggerValue::None},
    Trigger{"苦力怕被闪电充能时", "onCreeperCharge", TriggerValue::None},
    Trigger{"传送时", "onTeleport", TriggerValue::None},
    Trigger{"收到信号时", "onSignal", TriggerValue::Signal},
    Trigger{"射出弹射物时", "onShoot", TriggerValue::None},
    Trigger{"弹射物命中时", "onBowHit", TriggerValue::None},
    Trigger{"被驯服时", "onTame", TriggerValue::None},
    Trigger{"繁殖时", "onBreed", TriggerValue::None},
    Trigger{"完成交易时", "onTrade", TriggerValue::None},
    Trigger{"切换世界时", "onChangeWorld", TriggerValue::None},
};
// clang-format on

constexpr SkillArgument universalRows[] = {
    {"cooldown", "cd", Number, "0"},       {"delay", "", Integer, "0"},
    {"repeat", "", Integer, "0"},          {"repeatInterval", "repeatI", Integer, "0"},
    {"forcesync", "sync", YesNo, "false"},
};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool containsIgnoringAsciiCase(std::string_view text, std::string_view part) {
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    return found != text.end() || part.empty();
}

template <typename Row>
std::vector<std::size_t> matchingRows(std::span<const Row> rows, std::string_view typed) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].caption.find(typed) != std::string_view::npos ||
            containsIgnoringAsciiCase(rows[i].key, typed))
            found.push_back(i);
    return found;
}

} // namespace

const std::span<const Mechanic> mechanics = mechanicRows;
const std::span<const Targeter> targeters = targeterRows;
const std::span<const Trigger> triggers = triggerRows;
const std::span<const SkillArgument> universalArguments = universalRows;

std::size_t argumentCount(const Mechanic &mechanic) {
    return mechanic.arguments.size() + universalArguments.size();
}

const SkillArgument &argumentAt(const Mechanic &mechanic, std::size_t index) {
    return index < mechanic.arguments.size()
               ? mechanic.arguments[index]
               : universalArguments[index - mechanic.arguments.size()];
}

std::vector<std::string_view> listEntries(std::string_view list) {
    std::vector<std::string_view> entries;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        entries.push_back(list.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return entries;
}

std::vector<std::size_t> matchingMechanics(std::string_view typed) {
    return matchingRows(mechanics, typed);
}
std::vector<std::size_t> matchingTargeters(std::string_view typed) {
    return matchingRows(targeters, typed);
}
std::vector<std::size_t> matchingTriggers(std::string_view typed) {
    return matchingRows(triggers, typed);
}

} // namespace mob
